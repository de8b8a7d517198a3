#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

// One running Quillbox per store: the first start holds a lock file beside
// the store and listens for "raise" requests; a later start asks it to
// bring its window to the front and leaves without loading or saving.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &storePath, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process may run; false when another one holds the
    // store (it has then been asked to come to the front).
    bool acquire();

    QString serverName() const { return name; }

signals:
    void raiseRequested();

private:
    bool askRunningToRaise();

    QString lockPath;
    QString name;
    std::unique_ptr<QLockFile> lock;
    QLocalServer *server = nullptr;
};
