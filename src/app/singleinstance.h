// One running Quillbox per store: the first start holds a lock beside the
// store and listens; a later start asks it to come to the front, or to do
// what the command line asks of it (show or hide, export, import), and leaves.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

// A later start that finds the running copy closing (saving, perhaps asking
// Retry or Cancel) waits for it to end; then one waiting start runs and the
// others hand over to it. The lock goes with the process, so a crash never
// leaves a stale one. Without the lock nothing runs: two copies would
// overwrite each other's notes.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Start {
        Run,        // this process is the running copy now
        HandedOver, // the running copy was asked to come forward
        NoAnswer,   // a copy holds the lock but did not answer
        Refused     // the lock cannot be had here; problem() says why
    };
    Q_ENUM(Start)

    explicit SingleInstance(const QString &storePath, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock, or asks the copy that holds it to do request (a word:
    // "raise", "toggle", "export", "import") with data; HandedOver when it
    // did, and answer() is what it gave back.
    // A start that will not answer later starts (the command line's own
    // export or import, with no event loop) does not listen: they wait for
    // its lock instead.
    Start acquire(const QByteArray &request = "raise", const QByteArray &data = {},
                  bool answersLaterStarts = true);
    QByteArray answer() const { return m_answer; }
    // Why the last acquire() was refused, in words a user can act on.
    QString problem() const { return m_problem; }
    // Does what a later start asks, other than to come forward, and gives
    // what to answer.
    using Handler = std::function<QByteArray(const QByteArray &request, const QByteArray &data)>;
    void setHandler(Handler handler) { m_handler = std::move(handler); }
    // From now on later starts wait for this process to end.
    void setClosing() { m_closing = true; }

signals:
    // A later start asked: come forward, or while closing, show what holds
    // the program (its open box).
    void raiseRequested();

private:
    Start refuse(const QString &problem);
    bool anotherCopyListens() const;
    void listen();
    void answerPeers();
    // The running copy's answer: 'r' (it did as asked, its answer in
    // m_answer), 'c' (it was closing, and has ended now), or 0 when none came.
    char askRunningCopy(int timeoutMs, const QByteArray &request, const QByteArray &data);

    QString m_lockPath;
    QByteArray m_socketName; // in the abstract namespace
    QString m_problem;
    QByteArray m_answer;
    Handler m_handler;
    int m_lockFd = -1;
    int m_serverFd = -1;
    // Later starts waiting for this closing copy to end: each sees its
    // connection close when the process ends, and so knows to try again.
    std::vector<int> m_waitingPeers;
    bool m_closing = false;
};
