#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Plain system calls rather than a network library: the lock and the socket
// are all a start needs, and loading less makes the window appear sooner.
// flock() goes with the process, so a crashed run never leaves a lock behind.

namespace
{

socklen_t fillAddress(sockaddr_un &address, const QByteArray &name)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    // A leading NUL puts the name in the abstract namespace: no file to
    // clean up, and it vanishes with the process.
    const auto length = std::min<qsizetype>(name.size(), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, name.constData(), static_cast<size_t>(length));
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

} // namespace

SingleInstance::SingleInstance(const QString &storePath, QObject *parent)
    : QObject(parent), lockPath(storePath + QStringLiteral(".lock"))
{
    const QByteArray where = QFileInfo(storePath).absoluteFilePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(where, QCryptographicHash::Sha1).toHex();
    name = "quillbox-" + QByteArray::number(getuid()) + '-' + hash.left(16);
}

SingleInstance::~SingleInstance()
{
    if (serverFd >= 0)
        ::close(serverFd);
    if (lockFd >= 0)
        ::close(lockFd);
}

bool SingleInstance::acquire()
{
    const QString folder = QFileInfo(lockPath).absolutePath();
    if (!QDir().exists(folder) && QDir().mkpath(folder))
        ::chmod(QFile::encodeName(folder).constData(), 0700);

    lockFd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd < 0)
        return true; // no lock can be made here: run, the store reports its own trouble
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (::flock(lockFd, LOCK_EX | LOCK_NB) == 0) {
            listen();
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            return true;
        if (askRunningToRaise())
            return false;
        // The holder is still starting and not listening yet.
        QThread::msleep(100);
    }
    return false;
}

void SingleInstance::listen()
{
    serverFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (serverFd < 0)
        return;
    sockaddr_un address{};
    const socklen_t length = fillAddress(address, name);
    if (::bind(serverFd, reinterpret_cast<sockaddr *>(&address), length) != 0 ||
        ::listen(serverFd, 4) != 0) {
        ::close(serverFd);
        serverFd = -1;
        return;
    }
    auto *notifier = new QSocketNotifier(serverFd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SingleInstance::acceptPeers);
}

void SingleInstance::acceptPeers()
{
    for (;;) {
        const int peer = ::accept4(serverFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (peer < 0)
            return;
        // The abstract namespace is open to every user of the machine; only
        // this user's own second start may bring the window forward.
        ucred credentials{};
        socklen_t size = sizeof credentials;
        const bool mine = ::getsockopt(peer, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
                          credentials.uid == getuid();
        ::close(peer);
        if (mine)
            emit raiseRequested();
    }
}

bool SingleInstance::askRunningToRaise() const
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_un address{};
    const socklen_t length = fillAddress(address, name);
    // Only a listener of this user's own counts: another user could take
    // the name first.
    ucred credentials{};
    socklen_t size = sizeof credentials;
    const bool answered = ::connect(fd, reinterpret_cast<sockaddr *>(&address), length) == 0 &&
                          ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
                          credentials.uid == getuid();
    ::close(fd);
    return answered;
}
