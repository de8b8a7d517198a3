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
    // Runs the sqlite3 command-line-free check: the value stored under
    // (qbxlm120, section, key), or a null string when absent.
    QString value(const QString &section, const QString &key) const;
    QStringList keys(const QString &section) const;

private:
    QTemporaryDir dir;
};
