#pragma once

#include <QString>
#include <QTemporaryDir>

// A private settings store location for one test: <tmp>/quillbox/settings.db.
class TempStore
{
public:
    TempStore();
    QString path() const;
    QString folder() const;
    // The value stored under (qbxlm120, section, key), read with SQLite
    // itself, or a null string when absent.
    QString value(const QString &section, const QString &key) const;
    QStringList keys(const QString &section) const;
    // Saves these notes as the program would, before a window starts on it.
    void seed(const QStringList &titles, const QStringList &bodies, float mainlistsize = 8,
              float maintextboxsize = 8) const;
    // Notes t1..tn with bodies b1..bn.
    void seedNumbered(int n) const;

private:
    QTemporaryDir dir;
};
