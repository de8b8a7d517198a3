// The notes and the two font sizes kept between runs, in the layout the
// settings store has always held: read at start, every change written at
// once on a thread of the session's own, and a last save at the end.
#pragma once

#include "core/note.h"
#include "core/settingsstore.h"

#include <QList>
#include <QObject>
#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

// Application "qbxlm120"; section "general" holds "notetotal",
// "mainlistsize" and "maintextboxsize"; section "notes" holds
// "notetitle<k>" and "notecontent<k>" for k = 1..notetotal, and "temp"
// while a session runs.
class Session : public QObject
{
    Q_OBJECT

public:
    static constexpr float defaultPointSize = 8;

    struct State {
        QList<Note> notes;
        float titleListPoints = defaultPointSize;
        float noteTextPoints = defaultPointSize;
    };

    enum class LoadStatus {
        Loaded,
        StoreReplaced, // the store was damaged: set aside, a new one made
        Failed         // nothing could be read; the last save keeps what the store holds
    };
    struct LoadResult {
        LoadStatus status = LoadStatus::Failed;
        State state;
        QString problem; // what to tell the user; empty when Loaded
    };

    explicit Session(QString storePath, int busyWaitMs = 1000, QObject *parent = nullptr);
    // Tries the writes still waiting before it goes.
    ~Session() override;

    // $XDG_CONFIG_HOME/quillbox/settings.db, by default under the home folder.
    static QString defaultStorePath();

    // The font sizes and the titles; every note's body is pending. May run
    // on another thread, as long as nothing else uses the session.
    LoadResult load();
    // Reads the bodies on the session's own thread, after scanning the store
    // for damage, and sends them with bodiesRead(). Returns at once.
    void loadBodies();
    // Returns once the bodies have been read, or could not be, and gives them.
    QList<QString> waitForBodies();

    // Writes what changed since the last state written, as one transaction,
    // on the session's own thread; returns at once. States are written in
    // the order given; one that fails is tried again with the next.
    void write(const State &state);
    // Returns once every state given to write() has been tried.
    void waitForWrites();

    // The last save: waits for the writes under way, then writes the whole
    // state in one transaction and ends the session's mark. On failure the
    // store keeps what it held, and saveProblem() says why. Notes the load
    // could not read are kept, ahead of the given ones.
    bool save(const State &state);
    QString saveProblem() const;
    QString storePath() const { return m_store.path(); }

signals:
    // The bodies of the notes load() gave, by their place in the store.
    void bodiesRead(const QList<QString> &bodies);
    // Changes could not be written; they are kept and tried again with the
    // next change and at the end. Sent once until writes succeed again.
    void writesFailing(const QString &reason);
    void writesSucceeding();

private:
    void runWriter();
    bool openToRead();
    bool openToWrite();
    bool readBodies();
    bool hasMovedBodies(const State &state) const;
    // state with the bodies still pending read in: all, or only those of
    // notes that moved from their place in the store.
    State resolved(State state, bool movedOnly) const;
    void report(bool succeeded);
    bool writeChanges(const State &state, bool ending = false);
    std::optional<State> readState(bool withBodies);
    std::optional<QList<QString>> readNumbered(const QString &prefix, int count,
                                               const QString &missing);
    bool writeState(const State &state);
    QString cannotOpenProblem() const;

    SettingsStore m_store;
    int m_busyWaitMs;
    bool m_loaded = false;
    bool m_endedUncleanly = false;
    bool m_damaged = false;
    bool m_scanned = false;
    bool m_setAsideOnRetry = false;

    // The writer thread's; before it starts, the loading thread's. A note
    // of m_written still waiting for its body stands where it was read.
    State m_written;
    QList<QString> m_bodies; // as stored when the session began
    bool m_bodiesRead = false;
    bool m_failing = false;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<std::optional<State>> m_jobs; // a state to write, or nothing: read the bodies
    bool m_writing = false;
    bool m_bodiesAsked = false;
    bool m_bodiesTried = false;
    bool m_stopping = false;
    std::thread m_writer;
};
