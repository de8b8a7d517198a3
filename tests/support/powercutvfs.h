// A SQLite file system for tests that keeps, beside the real files, what a
// power cut could leave of them.
#pragma once

#include <QString>

#include <functional>

// While one lives it is SQLite's default file system, so the program's own
// code writes through it unchanged. Every write reaches the disk at once, but
// counts as durable only once its file is synced; a new or deleted name only
// once its folder is.
class PowerCutVfs
{
public:
    PowerCutVfs();
    ~PowerCutVfs();

    // Called at the start of every sync and every delete, before it takes
    // effect, on the thread doing it. What it opens goes through "unix" by
    // name, or a recovery's own syncs would call it again.
    void setSyncHook(std::function<void()> hook);
    // Writes into target, under the same names, one outcome of a power cut
    // now for the files written in folder (as SQLite names it): for each name
    // one of the files it could still point to, with any of the sectors
    // written since its last sync.
    void writeCut(const QString &folder, const QString &target, unsigned seed);
};
