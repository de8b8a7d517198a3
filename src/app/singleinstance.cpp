#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <sys/stat.h>
#include <unistd.h>

SingleInstance::SingleInstance(const QString &storePath, QObject *parent)
    : QObject(parent), lockPath(storePath + QStringLiteral(".lock"))
{
    const QByteArray where = QFileInfo(storePath).absoluteFilePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(where, QCryptographicHash::Sha1).toHex();
    name = QStringLiteral("quillbox-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash.left(16)));
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    const QString folder = QFileInfo(lockPath).absolutePath();
    if (!QDir().exists(folder) && QDir().mkpath(folder))
        ::chmod(QFile::encodeName(folder).constData(), 0700);

    lock = std::make_unique<QLockFile>(lockPath);
    // A lock left by a crashed run names a dead process and is taken over.
    lock->setStaleLockTime(0);
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (lock->tryLock(0)) {
            server = new QLocalServer(this);
            server->setSocketOptions(QLocalServer::UserAccessOption);
            QLocalServer::removeServer(name);
            if (server->listen(name)) {
                connect(server, &QLocalServer::newConnection, this, [this] {
                    while (QLocalSocket *peer = server->nextPendingConnection()) {
                        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
                        peer->disconnectFromServer();
                        emit raiseRequested();
                    }
                });
            }
            return true;
        }
        if (lock->error() != QLockFile::LockFailedError)
            return true; // no lock can be made here: run, the store reports its own trouble
        if (askRunningToRaise())
            return false;
        // The holder is still starting and not listening yet.
        QThread::msleep(100);
    }
    return false;
}

bool SingleInstance::askRunningToRaise()
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write("raise\n");
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}
