// SIGTERM, SIGHUP and SIGINT as a Qt signal on the user-interface thread.
#include "app/terminationsignals.h"

#include <QSocketNotifier>
#include <QTimer>

#include <atomic>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

constexpr int handled[] = {SIGTERM, SIGHUP, SIGINT};
// Where the handler wakes the event loop up, or -1.
std::atomic<int> wakeUpFd{-1};
volatile std::sig_atomic_t pending = 0;

void onSignal(int)
{
    // Only async-signal-safe work here; the event loop does the rest.
    pending = 1;
    const int fd = wakeUpFd.load();
    if (fd >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, m_wakeUp) == 0) {
        wakeUpFd = m_wakeUp[1];
        auto *notifier = new QSocketNotifier(m_wakeUp[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &TerminationSignals::takePending);
    } else {
        // No descriptors left: look for a signal a few times a second
        // instead, rather than end without saving.
        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, &TerminationSignals::takePending);
        poll->start(200);
    }
    struct sigaction action {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : handled)
        ::sigaction(sig, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    struct sigaction action {
    };
    action.sa_handler = SIG_DFL;
    for (int sig : handled)
        ::sigaction(sig, &action, nullptr);
    wakeUpFd = -1;
    for (int fd : m_wakeUp) {
        if (fd >= 0)
            ::close(fd);
    }
}

void TerminationSignals::takePending()
{
    char drained[16];
    if (m_wakeUp[0] >= 0) {
        while (::read(m_wakeUp[0], drained, sizeof drained) > 0) {
        }
    }
    if (!pending)
        return;
    pending = 0;
    emit terminationRequested();
}
