// A store file read and written with SQLite itself, beside the program's own
// code, in a private temporary folder.
#pragma once

#include "core/note.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

class StoreFile
{
public:
    // <tmp>/quillbox/settings.db
    QString path() const { return m_dir.filePath(QStringLiteral("quillbox/settings.db")); }
    QString folder() const { return m_dir.filePath(QStringLiteral("quillbox")); }

    // The value under "qbxlm120", section, key; a null text when absent.
    QString value(const QString &section, const QString &key) const;
    QStringList keys(const QString &section) const;
    // Runs SQL on a connection of its own, kept open until unlock() or the end.
    bool exec(const char *sql);
    // Holds the store locked against readers and writers, as another
    // program can, until unlock().
    bool lock()
    {
        return exec(
            "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; DELETE FROM settings WHERE 0");
    }
    void unlock();
    // The notes saved by the program's own session code.
    void seed(const QList<Note> &notes, float titleListPoints = 8, float noteTextPoints = 8) const;

    ~StoreFile();

private:
    QTemporaryDir m_dir;
    struct sqlite3 *m_db = nullptr;
};

// Notes "t1"/"b1" ... "tN"/"bN".
QList<Note> numberedNotes(int count);

// Holds a folder and the files in it read-only for its lifetime, or until
// released. Permission bits do not stop root, so as root the folder is bound
// read-only over itself, in a mount namespace of the test's own.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(QString folder);
    ~ReadOnlyFolder() { release(); }
    bool isReadOnly() const { return m_readOnly; }
    void release();

private:
    QString m_folder;
    bool m_readOnly = false;
};
