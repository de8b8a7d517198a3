// A store file read and written with SQLite itself.
#include "storefile.h"

#include "core/settingsstore.h"

#include <QDir>

#include <sched.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

QStringList StoreFile::query(const char *sql) const
{
    QStringList rows;
    sqlite3 *db = nullptr;
    sqlite3_stmt *stmt = nullptr; // no store: no statement, no rows
    // Read-write, so that a journal left behind is rolled back first; through
    // the plain file system, whatever a test made the default.
    sqlite3_open_v2(path().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, "unix");
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW)
        rows.append(QString(static_cast<const QChar *>(sqlite3_column_text16(stmt, 0)),
                            sqlite3_column_bytes16(stmt, 0) / 2));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

QStringList StoreFile::rows() const
{
    return query("SELECT app || '|' || section || '|' || key || '|' || value FROM settings "
                 "ORDER BY 1");
}

QStringList StoreFile::rowsOf(const StoredLayout::State &state)
{
    const QString general = "qbxlm120|general|", notes = "qbxlm120|notes|";
    QStringList rows = {general + "mainlistsize|" + QString::number(state.titleListPoints),
                        general + "maintextboxsize|" + QString::number(state.noteTextPoints),
                        general + "notetotal|" + QString::number(state.notes.size())};
    for (int k = 1; k <= state.notes.size(); ++k)
        rows << notes + QString("notecontent%1|").arg(k) + state.notes[k - 1].body
             << notes + QString("notetitle%1|").arg(k) + state.notes[k - 1].title;
    if (state.running)
        rows << notes + "temp|-";
    rows.sort(); // as SQLite orders ASCII keys
    return rows;
}

QString StoreFile::value(const QString &section, const QString &key) const
{
    return query(qPrintable(QString("SELECT value FROM settings WHERE app = 'qbxlm120' AND "
                                    "section = '%1' AND key = '%2'")
                                .arg(section, key)))
        .value(0);
}

bool StoreFile::exec(const char *sql)
{
    return (m_db || sqlite3_open(path().toUtf8().constData(), &m_db) == SQLITE_OK) &&
           sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void StoreFile::unlock()
{
    sqlite3_close(m_db);
    m_db = nullptr;
    setReadOnly(false);
}

bool StoreFile::setReadOnly(bool readOnly)
{
    const QByteArray at = QFile::encodeName(folder());
    if (::geteuid() != 0) {
        for (const QString &file : QDir(folder()).entryList(QDir::Files))
            ::chmod(QFile::encodeName(folder() + u'/' + file).constData(), readOnly ? 0400 : 0600);
        return ::chmod(at, readOnly ? 0500 : 0700) == 0;
    }
    static const bool ownNamespace =
        ::unshare(CLONE_NEWNS) == 0 &&
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    if (!readOnly)
        return ::umount2(at, MNT_DETACH) == 0;
    return ownNamespace && ::mount(at, at, nullptr, MS_BIND, nullptr) == 0 &&
           ::mount(nullptr, at, nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

void StoreFile::seed(const QList<Note> &notes, float titleListPoints, float noteTextPoints) const
{
    SettingsStore store(path());
    const bool seeded =
        store.open() == SettingsStore::Opened::Opened && store.begin() &&
        store.apply(StoredLayout::whole({notes, titleListPoints, noteTextPoints})) &&
        store.commit();
    if (!seeded)
        qFatal("could not seed %s: %s", qPrintable(path()), qPrintable(store.errorReason()));
}

QList<Note> numberedNotes(int count)
{
    QList<Note> notes;
    for (int k = 1; k <= count; ++k)
        notes.append({QStringLiteral("t%1").arg(k), QStringLiteral("b%1").arg(k)});
    return notes;
}
