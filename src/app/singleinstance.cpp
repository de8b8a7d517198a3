// One running Quillbox per store: the first start holds a lock beside the
// store and listens; a later start asks it to come to the front and leaves.
#include "app/singleinstance.h"

#include "core/privatefolder.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// Plain system calls rather than a network library: the lock and the socket
// are all a start needs, and loading less makes the window appear sooner.

namespace
{

constexpr char comesForward = 'r';
constexpr char isClosing = 'c';
// How long a start keeps trying to reach a copy that holds the lock.
constexpr int patienceMs = 5000;

socklen_t fillAddress(sockaddr_un &address, const QByteArray &name)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    // A leading NUL puts the name in the abstract namespace: no file to
    // clean up, and it goes with the process.
    const auto length = std::min<qsizetype>(name.size(), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, name.constData(), size_t(length));
    return socklen_t(offsetof(sockaddr_un, sun_path) + 1 + length);
}

// The abstract namespace is open to every user of the machine: only this
// user's own processes count.
bool isOwnUser(int fd)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
           credentials.uid == ::getuid();
}

// What a start sends and gets back: a length of 4 bytes, then that many.
// A request is its word, a NUL and its data.
constexpr quint32 largest = 1u << 30;
constexpr int messageWaitMs = 10000;

bool sendAll(int fd, const char *bytes, qsizetype size)
{
    while (size > 0) {
        const ssize_t sent = ::send(fd, bytes, size_t(size), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        bytes += sent;
        size -= sent;
    }
    return true;
}

bool sendMessage(int fd, const QByteArray &message)
{
    const quint32 size = quint32(message.size());
    return sendAll(fd, reinterpret_cast<const char *>(&size), 4) &&
           sendAll(fd, message.constData(), message.size());
}

bool receiveAll(int fd, char *bytes, qsizetype size)
{
    while (size > 0) {
        pollfd wait{fd, POLLIN, 0};
        if (::poll(&wait, 1, messageWaitMs) != 1)
            return false;
        const ssize_t got = ::recv(fd, bytes, size_t(size), 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        bytes += got;
        size -= got;
    }
    return true;
}

std::optional<QByteArray> receiveMessage(int fd)
{
    quint32 size = 0;
    if (!receiveAll(fd, reinterpret_cast<char *>(&size), 4) || size > largest)
        return std::nullopt;
    QByteArray message(qsizetype(size), Qt::Uninitialized);
    if (!receiveAll(fd, message.data(), message.size()))
        return std::nullopt;
    return message;
}

// Returns once the other end of fd has closed it (or fd fails).
void waitForHangUp(int fd)
{
    for (;;) {
        pollfd wait{fd, POLLIN, 0};
        char ignored = 0;
        const ssize_t got = ::poll(&wait, 1, -1) < 0 ? -1 : ::recv(fd, &ignored, 1, 0);
        if (got == 0 || (got < 0 && errno != EINTR))
            return;
    }
}

} // namespace

SingleInstance::SingleInstance(const QString &storePath, QObject *parent)
    : QObject(parent), m_lockPath(storePath + QStringLiteral(".lock"))
{
    const QByteArray where = QFileInfo(storePath).absoluteFilePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(where, QCryptographicHash::Sha1).toHex();
    m_socketName = "quillbox-" + QByteArray::number(::getuid()) + '-' + hash.left(16);
}

SingleInstance::~SingleInstance()
{
    if (m_serverFd >= 0)
        ::close(m_serverFd);
    if (m_lockFd >= 0)
        ::close(m_lockFd);
    // After the lock: a waiting start that wakes finds it free.
    for (const int peer : m_waitingPeers)
        ::close(peer);
}

SingleInstance::Start SingleInstance::acquire(const QByteArray &request, const QByteArray &data,
                                              bool answersLaterStarts)
{
    const QString folderProblem = makePrivateFolder(QFileInfo(m_lockPath).absolutePath());
    const QByteArray lockFile = QFile::encodeName(m_lockPath);
    m_lockFd = ::open(lockFile.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    const int openError = errno;
    // A lock file made before the folder became read-only still locks.
    if (m_lockFd < 0 && (openError == EACCES || openError == EROFS))
        m_lockFd = ::open(lockFile.constData(), O_RDONLY | O_CLOEXEC);
    if (m_lockFd < 0) {
        const QString reason = folderProblem.isEmpty() ? qt_error_string(openError) : folderProblem;
        return refuse(tr("Quillbox cannot open its lock file %1 (%2). Make sure that file can be "
                         "created and written, then start Quillbox again.")
                          .arg(m_lockPath, reason));
    }

    QDeadlineTimer patience(patienceMs);
    while (!patience.hasExpired()) {
        const int locked = ::flock(m_lockFd, LOCK_EX | LOCK_NB);
        const int lockError = errno;
        // A running copy whose lock file was removed (or its folder) still
        // listens: it, not this start, holds the store.
        if (locked == 0 && !anotherCopyListens()) {
            if (answersLaterStarts)
                listen();
            return Start::Run;
        }
        if (locked == 0)
            ::flock(m_lockFd, LOCK_UN);
        else if (lockError == EINTR)
            continue;
        else if (lockError != EWOULDBLOCK)
            return refuse(tr("Quillbox cannot lock its lock file %1 (%2). That drive may not "
                             "offer file locks; keep the notes on a local drive (set "
                             "XDG_CONFIG_HOME to a folder there), then start Quillbox again.")
                              .arg(m_lockPath, qt_error_string(lockError)));
        switch (askRunningCopy(int(std::max<qint64>(patience.remainingTime(), 1)), request, data)) {
        case comesForward:
            return Start::HandedOver;
        case isClosing:
            // It has ended: the lock is free, or another start that waited
            // took it and answers soon. The pause below keeps a copy that
            // hangs up at once from being asked in a tight loop.
            patience.setRemainingTime(patienceMs);
            [[fallthrough]];
        default:
            // Still starting and not listening yet, or busy.
            QThread::msleep(100);
        }
    }
    return Start::NoAnswer;
}

SingleInstance::Start SingleInstance::refuse(const QString &problem)
{
    m_problem = problem + u'\n' +
                tr("Without the lock a second Quillbox could overwrite the notes, so this one "
                   "does not start.");
    return Start::Refused;
}

bool SingleInstance::anotherCopyListens() const
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    const socklen_t length = fillAddress(address, m_socketName);
    const bool listens = fd >= 0 &&
                         ::connect(fd, reinterpret_cast<sockaddr *>(&address), length) == 0 &&
                         isOwnUser(fd);
    if (fd >= 0)
        ::close(fd);
    return listens;
}

void SingleInstance::listen()
{
    m_serverFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_serverFd < 0)
        return;
    sockaddr_un address{};
    const socklen_t length = fillAddress(address, m_socketName);
    if (::bind(m_serverFd, reinterpret_cast<sockaddr *>(&address), length) != 0 ||
        ::listen(m_serverFd, 4) != 0) {
        ::close(m_serverFd);
        m_serverFd = -1;
        return;
    }
    auto *notifier = new QSocketNotifier(m_serverFd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SingleInstance::answerPeers);
}

void SingleInstance::answerPeers()
{
    for (;;) {
        const int peer = ::accept4(m_serverFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (peer < 0)
            return;
        if (!isOwnUser(peer)) {
            ::close(peer);
            continue;
        }
        const std::optional<QByteArray> message = receiveMessage(peer);
        if (!message) { // a start that only looked whether this copy listens
            ::close(peer);
            continue;
        }
        const QByteArray request = message->left(message->indexOf('\0'));
        if (m_closing || request.isEmpty() || request == "raise" || !m_handler) {
            const char answer = m_closing ? isClosing : comesForward;
            [[maybe_unused]] const ssize_t sent = ::send(peer, &answer, 1, MSG_NOSIGNAL);
            emit raiseRequested();
        } else if (::send(peer, &comesForward, 1, MSG_NOSIGNAL) == 1) {
            sendMessage(peer, m_handler(request, message->mid(request.size() + 1)));
        }
        // Kept open until this copy ends: the hang-up tells the waiting start.
        if (m_closing)
            m_waitingPeers.push_back(peer);
        else
            ::close(peer);
    }
}

char SingleInstance::askRunningCopy(int timeoutMs, const QByteArray &request,
                                    const QByteArray &data)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return 0;
    sockaddr_un address{};
    const socklen_t length = fillAddress(address, m_socketName);
    char answer = 0;
    // Another user could have taken the name first.
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), length) == 0 && isOwnUser(fd) &&
        sendMessage(fd, request + '\0' + data)) {
        pollfd wait{fd, POLLIN, 0};
        if (::poll(&wait, 1, timeoutMs) == 1 && ::recv(fd, &answer, 1, 0) != 1)
            answer = 0;
        if (answer == comesForward && request != "raise") {
            const std::optional<QByteArray> given = receiveMessage(fd);
            m_answer = given.value_or(QByteArray());
            if (!given)
                answer = 0;
        }
        // A closing copy keeps this connection until it ends, however long
        // its user takes over the Retry or Cancel box.
        if (answer == isClosing)
            waitForHangUp(fd);
    }
    ::close(fd);
    return answer;
}
