// The notes and the two font sizes kept between runs: read once at start
// and written at the end, in the layout the settings store has always held.
#pragma once

#include "core/note.h"
#include "core/settingsstore.h"

#include <QList>
#include <QString>
#include <optional>

// Application "qbxlm120"; section "general" holds "notetotal",
// "mainlistsize" and "maintextboxsize"; section "notes" holds
// "notetitle<k>" and "notecontent<k>" for k = 1..notetotal, and "temp"
// while a session runs.
class Session
{
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
        Failed         // nothing could be read; the next save keeps what the store holds
    };
    struct LoadResult {
        LoadStatus status = LoadStatus::Failed;
        State state;
        QString problem; // what to tell the user; empty when Loaded
    };

    explicit Session(QString storePath, int busyWaitMs = 1000);

    // $XDG_CONFIG_HOME/quillbox/settings.db, by default under the home folder.
    static QString defaultStorePath();

    // May run on another thread, as long as nothing else uses the session.
    LoadResult load();
    // One transaction: on failure the store keeps what it held, and
    // saveProblem() says why. Notes the load could not read are kept, ahead
    // of the given ones.
    bool save(const State &state);
    QString saveProblem() const;
    QString storePath() const { return m_store.path(); }

private:
    std::optional<State> readState(bool markRunning);
    bool writeState(const State &state);
    QString cannotOpenProblem() const;

    SettingsStore m_store;
    int m_busyWaitMs;
    bool m_loaded = false;
};
