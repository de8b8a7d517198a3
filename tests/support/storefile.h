// A store file read and written with SQLite itself, beside the program's own
// code, in a private temporary folder.
#pragma once

#include "core/note.h"
#include "core/storedlayout.h"

#include <QStringList>
#include <QTemporaryDir>

class StoreFile
{
public:
    ~StoreFile() { unlock(); }
    // <tmp>/quillbox/settings.db
    QString path() const { return m_dir.filePath(QStringLiteral("quillbox/settings.db")); }
    QString folder() const { return m_dir.filePath(QStringLiteral("quillbox")); }

    // Every row, "app|section|key|value", in order.
    QStringList rows() const;
    // The first column of every row sql gives, from a connection of its own.
    QStringList query(const char *sql) const;
    // The rows of a store that holds exactly state, in the same order: the
    // layout as another program reads it, not as the program describes it.
    static QStringList rowsOf(const StoredLayout::State &state);
    // The value under "qbxlm120", section, key; a null text when absent.
    QString value(const QString &section, const QString &key) const;
    // Runs SQL on a connection of its own, kept open until unlock().
    bool exec(const char *sql);
    // Holds the store locked to readers and writers, as another program can.
    bool lock() { return exec("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE"); }
    // Closes that connection, and makes the folder writable again.
    void unlock();
    // The notes saved by the program's own session code.
    void seed(const QList<Note> &notes, float titleListPoints = 8, float noteTextPoints = 8) const;
    // Makes the folder and its files read-only, or writable again; true when
    // they now are so. As root, by a read-only bind mount of the test's own.
    bool setReadOnly(bool readOnly);

private:
    QTemporaryDir m_dir;
    struct sqlite3 *m_db = nullptr;
};

// Notes "t1"/"b1" ... "tN"/"bN".
QList<Note> numberedNotes(int count);
