// A store file read and written with SQLite itself.
#include "storefile.h"

#include "core/session.h"

#include <QDir>
#include <QFile>

#include <sched.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

QStringList query(const QString &file, const char *sql, const QStringList &args)
{
    QStringList rows;
    sqlite3 *db = nullptr;
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
            SQLITE_OK &&
        sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK) {
        for (int i = 0; i < args.size(); ++i)
            sqlite3_bind_text16(stmt, i + 1, args[i].utf16(), int(args[i].size() * 2),
                                SQLITE_TRANSIENT);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const auto *text = static_cast<const char16_t *>(sqlite3_column_text16(stmt, 0));
            rows.append(QString::fromUtf16(text, sqlite3_column_bytes16(stmt, 0) / 2));
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

} // namespace

StoreFile::~StoreFile()
{
    sqlite3_close(m_db);
}

QString StoreFile::value(const QString &section, const QString &key) const
{
    const QStringList rows =
        query(path(), "SELECT value FROM settings WHERE app = ? AND section = ? AND key = ?",
              {QStringLiteral("qbxlm120"), section, key});
    return rows.isEmpty() ? QString() : rows.first();
}

QStringList StoreFile::keys(const QString &section) const
{
    return query(path(), "SELECT key FROM settings WHERE app = ? AND section = ? ORDER BY key",
                 {QStringLiteral("qbxlm120"), section});
}

void StoreFile::unlock()
{
    sqlite3_close(m_db);
    m_db = nullptr;
}

bool StoreFile::exec(const char *sql)
{
    if (!m_db && sqlite3_open(path().toUtf8().constData(), &m_db) != SQLITE_OK)
        return false;
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void StoreFile::seed(const QList<Note> &notes, float titleListPoints, float noteTextPoints) const
{
    Session session(path());
    session.load();
    session.save({notes, titleListPoints, noteTextPoints});
}

QList<Note> numberedNotes(int count)
{
    QList<Note> notes;
    for (int k = 1; k <= count; ++k)
        notes.append({QStringLiteral("t%1").arg(k), QStringLiteral("b%1").arg(k)});
    return notes;
}

ReadOnlyFolder::ReadOnlyFolder(QString folder) : m_folder(std::move(folder))
{
    if (m_folder.isEmpty())
        return;
    const QByteArray native = QFile::encodeName(m_folder);
    if (::geteuid() != 0) {
        for (const QString &file : QDir(m_folder).entryList(QDir::Files))
            QFile::setPermissions(m_folder + u'/' + file, QFile::ReadOwner);
        m_readOnly = ::chmod(native.constData(), 0500) == 0;
        return;
    }
    static const bool ownNamespace =
        ::unshare(CLONE_NEWNS) == 0 &&
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    m_readOnly = ownNamespace &&
                 ::mount(native.constData(), native.constData(), nullptr, MS_BIND, nullptr) == 0 &&
                 ::mount(nullptr, native.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY,
                         nullptr) == 0;
}

void ReadOnlyFolder::release()
{
    if (!m_readOnly)
        return;
    m_readOnly = false;
    const QByteArray native = QFile::encodeName(m_folder);
    if (::geteuid() == 0) {
        ::umount2(native.constData(), MNT_DETACH);
        return;
    }
    ::chmod(native.constData(), 0700);
    for (const QString &file : QDir(m_folder).entryList(QDir::Files))
        QFile::setPermissions(m_folder + u'/' + file, QFile::ReadOwner | QFile::WriteOwner);
}
