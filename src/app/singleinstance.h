#pragma once

#include <QObject>
#include <QString>

// One running Quillbox per store: the first start holds a lock on a file
// beside the store and listens for "raise" requests; a later start asks it to
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

signals:
    void raiseRequested();

private:
    void listen();
    void acceptPeers();
    bool askRunningToRaise() const;

    QString lockPath;
    QByteArray name; // of the socket, in the abstract namespace
    int lockFd = -1;
    int serverFd = -1;
};
