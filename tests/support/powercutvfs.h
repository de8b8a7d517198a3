// A SQLite file system for tests that keeps, beside the real files, what a
// power cut could leave of them.
#pragma once

#include <QString>

#include <sqlite3.h>

#include <functional>
#include <map>
#include <mutex>
#include <vector>

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
    void setSyncHook(std::function<void()> hook) { m_syncHook = std::move(hook); }
    // Writes into target, under the same names, one outcome of a power cut
    // now for the files written in folder (as SQLite names it): for each name
    // one of the files it could still point to, and of that file's unsynced
    // writes any part in any order.
    void writeCut(const QString &folder, const QString &target, unsigned seed);

private:
    // A write of data at offset; a truncation to offset when data is null.
    struct Change {
        qint64 offset;
        QByteArray data;
    };
    // One file a name pointed to; a missing one when the name was deleted.
    struct Life {
        bool exists = true;
        QByteArray synced;
        std::vector<Change> pending;
    };

    void record(const QString &path, Change change);
    void settleFolder(const QString &path);

    static const sqlite3_io_methods s_methods;
    sqlite3_vfs *m_base;
    sqlite3_vfs m_vfs;
    std::function<void()> m_syncHook = [] {};
    std::mutex m_mutex;
    // Per name, from the one its folder holds durably to the current one.
    std::map<QString, std::vector<Life>> m_files;
};
