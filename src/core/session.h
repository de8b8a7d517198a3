// The notes and the two font sizes kept between runs: read at the start,
// every change written at once on a thread of the session's own, and the
// session's end marked in the store.
#pragma once

#include "core/historystep.h"
#include "core/notebook.h"
#include "core/settingsstore.h"
#include "core/storedlayout.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

// The thread reads the titles and font sizes, then the bodies (when first
// needed, or a second later), all in one read of the store; checks the store
// for damage; then writes each state it is given. States waiting together go
// in one transaction: the newest holds every change before it, and each
// command's undo step goes with it.
//
// The undo history is kept in the store's file, written in the same
// transaction as the command it belongs to, and read only to undo or redo.
//
// The store it writes is always the file it read. When that file is found
// damaged, removed, replaced or changed by another program, it is set aside
// (never written over), and the whole state goes into a new store; the user
// is told. After a reopen, or any other doubt about what the file holds, the
// whole state is written rather than what changed.
class Session : public QObject
{
    Q_OBJECT

public:
    struct State {
        QList<Note> notes;
        float titleListPoints = StoredLayout::defaultPointSize;
        float noteTextPoints = StoredLayout::defaultPointSize;
        quint64 read = 0; // the read whose notes these are (Opening::read's number)
    };

    // What the window may do follows from it: while Unread, nothing that
    // is kept may change; otherwise everything may, and is written at once.
    enum class Condition {
        Reading, // the notes are being read
        Unread,  // they could not be read: tried again every few seconds, nothing written
        Saved,   // every change handed over is in the store
        Failing, // a write failed: the changes are held, and tried again with the next,
                 // every few seconds, and at the end
        Ended    // the last save is done
    };
    Q_ENUM(Condition)

    enum class Refusal {
        None,
        NothingToMove,
        OverLimit, // the notes would pass the limit of 500
        NotSaved,  // changes wait to be written: nothing can be undone meanwhile
        Failed     // see the reason
    };

    struct Opening {
        bool read = false; // false: Unread, with an empty notebook
        Notebook notebook; // titles at once, bodies as they are read
        float titleListPoints = StoredLayout::defaultPointSize;
        float noteTextPoints = StoredLayout::defaultPointSize;
        QString problem; // to tell the user once the window shows; empty when all is well
        // Counts reads dropped because the file changed while they ran; a
        // state of notes of an earlier one is never written.
        quint64 number = 0;
    };

    // ReadOnly reads the notes and ends: nothing is written, marked or set
    // aside (an export from the command line).
    enum class Access { ReadWrite, ReadOnly };

    explicit Session(QString storePath, int busyWaitMs = 1000, Access access = Access::ReadWrite,
                     QObject *parent = nullptr);
    // Ends the thread; nothing more is written.
    ~Session() override;

    // $XDG_CONFIG_HOME/quillbox/settings.db, by default under the home folder.
    static QString defaultStorePath();
    QString storePath() const { return m_store.path(); }

    // Keeps a backup of the store, once a day, after a write: the window's
    // session does, the command line's do not.
    void keepDailyBackups() { m_keepsBackups = true; }
    // Starts reading on the session's thread; returns at once.
    void open();
    // Waits for the titles and font sizes; a notebook's bodies come when it
    // first needs them. When the read failed, notesRead() follows once a
    // later one succeeds.
    Opening opening();
    Condition condition() const;

    // Hands over the state after a change; written at once. A command that
    // changed the notes names itself for the undo history ("Deleted ...").
    void write(const State &state, const QString &step = QString());
    // Keeps text typed into the box, and dropped, as an undo step of its own.
    void dropEdit(int note, const QString &text, const QString &label);
    // Takes the newest step back, or does the oldest undone one again,
    // after every write handed over before; answered by historyMoved().
    void undo();
    void redo();
    // Returns once the read is done and every state handed over is tried.
    void waitForWrites();
    // The last write: what was handed over, and the end of the session's
    // mark, waiting for another program's lock once, for the busy wait, in
    // all. On failure saveProblem() says why; it may be tried again.
    bool finish();
    QString saveProblem() const;

signals:
    // Each is sent on the thread that owns the session.
    void conditionChanged(Session::Condition condition, const QString &reason);
    void notesRead(const Session::Opening &opening);
    void storeReplaced(const QString &message);
    // The labels of the steps an undo and a redo would take; empty for none.
    void historyChanged(const QString &undoLabel, const QString &redoLabel);
    // The step is undone (or done again) in the store: the notes handed
    // over are now the step's result. Or, refused, nothing changed.
    void historyMoved(const HistoryStep &step, bool undone, Session::Refusal refusal,
                      const QString &reason);
    // The undo history could not be written or read; the notes were.
    void historyFailed(const QString &reason);
    // The day's backup of the store could not be made; the notes are safe.
    void backupFailed(const QString &reason);

private:
    void run();
    enum class Read { Done, Failed, ChangedMeanwhile };
    bool readStore();
    Read readNotes(const QString &problem);
    QList<QString> readNumbered(const QString &prefix, int count,
                                const std::function<const SettingsStore::Salvaged &()> &salvage);
    QList<QString> waitForBodies();
    struct Op {
        enum class Kind { Write, DropEdit, Undo, Redo };
        Kind kind;
        State state;
        QString label;
        HistoryStep step;
        quint64 generation = 0; // of the notes it was made on
    };
    void hold(Op op);
    bool store(const StoredLayout::State &target, bool again = false);
    bool beginWrite(bool again);
    void classifyFailure();
    void moveHistory(bool undo);
    void tellHistory();
    void backUp();
    StoredLayout::State target(bool running) const;
    bool openAgain();
    void setAsideLater(const QString &label, const QString &message);
    bool setAsidePending();
    void setCondition(Condition condition, const QString &reason);
    void post(std::function<void()> toOwner);

    SettingsStore m_store;
    const int m_busyWaitMs;
    const Access m_access;

    // The thread's own. What the store is known to hold; nothing when in
    // doubt. Its notes may be known while its section "general" holds values
    // of another program's (or none), to be written with the next write.
    std::optional<StoredLayout::State> m_known;
    bool m_generalToMend = false;
    // What the window handed over last, or what was read.
    State m_given;
    QList<HistoryStep> m_unwrittenSteps;
    // A file found damaged or changed by another program is set aside before
    // anything is written at the store's path again: its label and what to
    // tell the user, with the two paths to fill in.
    std::optional<std::pair<QString, QString>> m_toSetAside;
    QString m_writeProblem;
    bool m_keepsBackups = false;
    QDate m_backedUp; // the day a backup was last made or tried
    // Before the first write: the scan for damage the read asked for.
    std::optional<SettingsStore::Scan> m_scanDue;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake; // for the thread
    std::condition_variable m_done; // for those who wait on it
    Condition m_condition = Condition::Reading;
    QString m_reason;
    std::optional<Opening> m_opening;
    std::optional<QList<QString>> m_bodies;
    bool m_bodiesWanted = false;
    std::deque<Op> m_ops;
    // Counts the reads whose notes were dropped (the file changed while it
    // was read): what was made on them is dropped too.
    quint64 m_generation = 0;
    bool m_writing = false;
    bool m_finishing = false;
    bool m_backingUp = false; // an end or a stop cuts it short
    std::optional<bool> m_finished;
    bool m_stopping = false;
    std::thread m_thread;
};
