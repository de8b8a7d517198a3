#include "settingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// The statements kept prepared for the life of a connection.
enum Stmt {
    ReadValue,
    WriteValue,
    DeleteSection,
    ReadSection,
    Begin,
    Commit,
    Rollback,
    DeleteKey,
    StmtCount
};

const char *const statementSql[StmtCount] = {
    "SELECT value FROM settings WHERE app = ?1 AND section = ?2 AND key = ?3",
    "INSERT OR REPLACE INTO settings (app, section, key, value) VALUES (?1, ?2, ?3, ?4)",
    "DELETE FROM settings WHERE app = ?1 AND section = ?2",
    "SELECT key, value FROM settings WHERE app = ?1 AND section = ?2",
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
    "DELETE FROM settings WHERE app = ?1 AND section = ?2 AND key = ?3",
};

// Settings for every connection. DELETE journal with synchronous = FULL is
// crash safe and needs no side files while nobody writes (WAL measured no
// faster here, and needs a writable folder even to read). 4 KB pages waste
// least on long notes in overflow pages (16 KB pages made a 10 KB-note store
// 70% larger and slower); mmap lets loads read the page cache directly.
constexpr int pageSize = 4096;
constexpr int busyTimeoutMs = 3000;
constexpr const char *mmapPragma = "PRAGMA mmap_size = 268435456";

const char16_t emptyText[1] = {0};

bool bindText(sqlite3_stmt *stmt, int index, const QString &text)
{
    // Explicit byte length: U+0000 and lone surrogates pass unchanged into a
    // UTF-16le database. A null pointer would bind NULL, so the empty text
    // gets a real (empty) buffer.
    if (text.isEmpty())
        return sqlite3_bind_text16(stmt, index, emptyText, 0, SQLITE_STATIC) == SQLITE_OK;
    // SQLite takes a leading U+FEFF or U+FFFE of any UTF-16 text it is given
    // for a byte-order mark: it drops it, and for U+FFFE swaps every byte
    // pair. It drops one mark only, so a text that starts with either gets a
    // little-endian mark of its own in front, which SQLite then removes.
    const char16_t first = text.front().unicode();
    if (first == 0xFEFF || first == 0xFFFE) {
        QString marked = QChar(0xFEFF) + text;
        return sqlite3_bind_text16(stmt, index, marked.utf16(), int(marked.size() * 2),
                                   SQLITE_TRANSIENT) == SQLITE_OK;
    }
    return sqlite3_bind_text16(stmt, index, text.utf16(), int(text.size() * 2), SQLITE_STATIC) ==
           SQLITE_OK;
}

QString columnText(sqlite3_stmt *stmt, int column)
{
    const void *data = sqlite3_column_text16(stmt, column);
    const int bytes = sqlite3_column_bytes16(stmt, column);
    if (!data || bytes <= 0)
        return QStringLiteral(""); // empty text, never null
    return QString(static_cast<const QChar *>(data), bytes / 2);
}

QString sysError(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

bool isPermission(int err)
{
    return err == EACCES || err == EPERM || err == EROFS;
}

// Makes every missing folder of the path with mode 0700 (whatever the umask).
// Returns an empty text, or the reason it could not.
QString makeFolders(const QString &folder)
{
    const QString clean = QDir::cleanPath(folder);
    QStringList parts = clean.split(u'/', Qt::SkipEmptyParts);
    QString at = clean.startsWith(u'/') ? QStringLiteral("/") : QString();
    for (const QString &part : parts) {
        if (!at.isEmpty() && !at.endsWith(u'/'))
            at += u'/';
        at += part;
        const QByteArray native = QFile::encodeName(at);
        struct stat st;
        if (::stat(native.constData(), &st) == 0) {
            if (!S_ISDIR(st.st_mode))
                return QStringLiteral("a file stands where the folder %1 should be; move it away")
                    .arg(at);
            continue;
        }
        if (errno != ENOENT)
            return QStringLiteral("the folder %1 cannot be reached (%2)").arg(at, sysError(errno));
        if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
            const int err = errno;
            if (isPermission(err))
                return QStringLiteral(
                           "the folder %1 cannot be created because its parent folder is read-only")
                    .arg(at);
            return QStringLiteral("the folder %1 cannot be created (%2)").arg(at, sysError(err));
        }
        ::chmod(native.constData(), 0700);
    }
    return {};
}

} // namespace

SettingsStore::SettingsStore(QString path) : file(std::move(path)) {}

SettingsStore::~SettingsStore()
{
    close();
}

QString SettingsStore::defaultPath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG rules: an unset, empty or relative value means the default.
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/quillbox/settings.db");
}

void SettingsStore::close()
{
    for (auto &stmt : stmts) {
        sqlite3_finalize(stmt);
        stmt = nullptr;
    }
    if (db) {
        sqlite3_close_v2(db);
        db = nullptr;
    }
    inTransaction = false;
}

bool SettingsStore::fail(const QString &doing, int rc)
{
    const int primary = rc & 0xff;
    const int err = db ? sqlite3_system_errno(db) : 0;
    QString reason;
    switch (primary) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        reason = QStringLiteral(
            "the store is locked by another program; close the other program and try again");
        break;
    case SQLITE_READONLY:
        reason = QStringLiteral(
            "the store is read-only; check the permissions of the file and its folder");
        break;
    case SQLITE_CANTOPEN:
        reason = isPermission(err)
                     ? QStringLiteral(
                           "the folder is read-only, so the store cannot write its journal there")
                     : QStringLiteral("a file beside the store cannot be opened");
        break;
    case SQLITE_FULL:
        reason = QStringLiteral("the disk is full; free some space and try again");
        break;
    case SQLITE_IOERR:
        reason = err ? QStringLiteral("the disk reported an error (%1)").arg(sysError(err))
                     : QStringLiteral("the disk reported an error");
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        reason = QStringLiteral("the store is damaged");
        break;
    case SQLITE_NOMEM:
        reason = QStringLiteral("the computer ran out of memory");
        break;
    case SQLITE_CONSTRAINT:
        reason = QStringLiteral("the store refused the change (%1)")
                     .arg(db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString());
        break;
    default:
        reason = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        break;
    }
    lastError = QStringLiteral("Could not %1 the settings store %2: %3.").arg(doing, file, reason);
    return false;
}

bool SettingsStore::exec(const char *sql)
{
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    return rc == SQLITE_OK;
}

sqlite3_stmt *SettingsStore::statement(int which)
{
    if (!db)
        return nullptr;
    if (!stmts[which]) {
        const int rc = sqlite3_prepare_v3(db, statementSql[which], -1, SQLITE_PREPARE_PERSISTENT,
                                          &stmts[which], nullptr);
        if (rc != SQLITE_OK) {
            fail(QStringLiteral("use"), rc);
            sqlite3_finalize(stmts[which]);
            stmts[which] = nullptr;
        }
    }
    return stmts[which];
}

SettingsStore::OpenResult SettingsStore::open()
{
    close();
    quarantined.clear();
    lastError.clear();
    if (file.isEmpty()) {
        lastError = QStringLiteral("Could not open the settings store: no file name was given.");
        return OpenResult::Failed;
    }
    const QFileInfo info(file);
    const QString folderProblem = makeFolders(info.absolutePath());
    if (!folderProblem.isEmpty()) {
        lastError =
            QStringLiteral("Could not open the settings store %1: %2.").arg(file, folderProblem);
        return OpenResult::Failed;
    }
    const QByteArray native = QFile::encodeName(file);
    struct stat st;
    if (::stat(native.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            lastError = QStringLiteral(
                            "Could not open the settings store %1: a folder stands where the file "
                            "should be; move or remove that folder.")
                            .arg(file);
            return OpenResult::Failed;
        }
        if (!S_ISREG(st.st_mode)) {
            lastError =
                QStringLiteral("Could not open the settings store %1: it is not a plain file.")
                    .arg(file);
            return OpenResult::Failed;
        }
        // Notes are private: a store left readable by others is closed up.
        if ((st.st_mode & 077) != 0 && st.st_uid == ::geteuid())
            ::chmod(native.constData(), 0600);
        const QByteArray folder = QFile::encodeName(info.absolutePath());
        struct stat fst;
        if (::stat(folder.constData(), &fst) == 0 && (fst.st_mode & 077) != 0 &&
            fst.st_uid == ::geteuid())
            ::chmod(folder.constData(), 0700);
    } else if (errno == ENOENT) {
        const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            const int err = errno;
            lastError =
                isPermission(err)
                    ? QStringLiteral(
                          "Could not create the settings store %1: the folder is read-only.")
                          .arg(file)
                    : QStringLiteral("Could not create the settings store %1: %2.")
                          .arg(file, sysError(err));
            return OpenResult::Failed;
        }
        ::fchmod(fd, 0600);
        ::close(fd);
    } else {
        lastError =
            QStringLiteral("Could not open the settings store %1: %2.").arg(file, sysError(errno));
        return OpenResult::Failed;
    }
    return openFile(true);
}

SettingsStore::OpenResult SettingsStore::openFile(bool allowQuarantine)
{
    const QByteArray native = QFile::encodeName(file);
    int rc = sqlite3_open_v2(native.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                             nullptr);
    if (rc != SQLITE_OK) {
        fail(QStringLiteral("open"), rc);
        if (db && (rc & 0xff) == SQLITE_CANTOPEN && isPermission(sqlite3_system_errno(db)))
            lastError = QStringLiteral(
                            "Could not open the settings store %1: the file may not be read; check "
                            "its permissions.")
                            .arg(file);
        close();
        return OpenResult::Failed;
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, busyTimeoutMs);
    exec("PRAGMA synchronous = FULL");
    exec(mmapPragma);
    exec("PRAGMA cache_size = -65536");

    switch (checkStore()) {
    case Check::Sound:
        return allowQuarantine || quarantined.isEmpty() ? OpenResult::Opened
                                                        : OpenResult::Quarantined;
    case Check::Failed:
        close();
        return OpenResult::Failed;
    case Check::Damaged:
        break;
    }
    close();
    if (!allowQuarantine) {
        lastError = QStringLiteral("Could not make a new settings store %1.").arg(file);
        return OpenResult::Failed;
    }
    if (!quarantine())
        return OpenResult::Failed;
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        lastError =
            QStringLiteral("Could not create a new settings store %1 after setting the damaged one "
                           "aside as %2: %3.")
                .arg(file, quarantined, sysError(errno));
        return OpenResult::Failed;
    }
    ::fchmod(fd, 0600);
    ::close(fd);
    const OpenResult again = openFile(false);
    return again == OpenResult::Opened ? OpenResult::Quarantined : again;
}

// Decides whether the open file is a sound store, makes the table in a new
// (empty) database, and tells damage (set it aside) from a failure to look
// (a lock, a disk error: leave the file alone).
SettingsStore::Check SettingsStore::checkStore()
{
    auto classify = [this](int rc, const char *doing) {
        const int primary = rc & 0xff;
        if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT || primary == SQLITE_FORMAT)
            return Check::Damaged;
        fail(QString::fromLatin1(doing), rc);
        return Check::Failed;
    };

    // A statement that fails to prepare leaves stmt null: nothing to finalize.
    sqlite3_stmt *stmt = nullptr;
    auto prepare = [this, &stmt](const char *sql) {
        return sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    };

    int rc = prepare("PRAGMA integrity_check(1)");
    if (rc != SQLITE_OK)
        return classify(rc, "read");
    rc = sqlite3_step(stmt);
    bool ok = false;
    if (rc == SQLITE_ROW) {
        const unsigned char *text = sqlite3_column_text(stmt, 0);
        ok = text && std::strcmp(reinterpret_cast<const char *>(text), "ok") == 0;
        rc = SQLITE_DONE;
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        return classify(rc, "read");
    if (!ok)
        return Check::Damaged;

    // The shape of the table: four NOT NULL text columns, the first three the key.
    rc =
        prepare("SELECT (SELECT count(*) FROM sqlite_schema),"
                " (SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name = 'settings')");
    if (rc != SQLITE_OK)
        return classify(rc, "read");
    rc = sqlite3_step(stmt);
    const int objects = rc == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : 0;
    const int tables = rc == SQLITE_ROW ? sqlite3_column_int(stmt, 1) : 0;
    sqlite3_finalize(stmt);
    if (rc != SQLITE_ROW)
        return classify(rc, "read");
    if (objects == 0)
        return createSchema() ? Check::Sound : Check::Failed;
    if (tables != 1)
        return Check::Damaged;

    rc = prepare("SELECT name, upper(type), \"notnull\", pk FROM pragma_table_info('settings')"
                 " ORDER BY cid");
    if (rc != SQLITE_OK)
        return classify(rc, "read");
    static const char *const names[4] = {"app", "section", "key", "value"};
    int columns = 0;
    bool shape = true;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        if (columns < 4) {
            const char *name = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0));
            const char *type = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 1));
            shape = shape && name && type && std::strcmp(name, names[columns]) == 0 &&
                    std::strcmp(type, "TEXT") == 0 && sqlite3_column_int(stmt, 2) == 1 &&
                    sqlite3_column_int(stmt, 3) == (columns < 3 ? columns + 1 : 0);
        }
        ++columns;
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        return classify(rc, "read");
    return shape && columns == 4 ? Check::Sound : Check::Damaged;
}

bool SettingsStore::createSchema()
{
    if (sqlite3_db_readonly(db, "main") == 1) {
        lastError = QStringLiteral("Could not create the settings store %1: the file is read-only.")
                        .arg(file);
        return false;
    }
    char sql[512];
    std::snprintf(sql, sizeof sql,
                  "PRAGMA page_size = %d;"
                  "PRAGMA encoding = 'UTF-16le';"
                  "BEGIN IMMEDIATE;"
                  "CREATE TABLE settings (\n"
                  "    app     TEXT NOT NULL,\n"
                  "    section TEXT NOT NULL,\n"
                  "    key     TEXT NOT NULL,\n"
                  "    value   TEXT NOT NULL,\n"
                  "    PRIMARY KEY (app, section, key)\n"
                  ") WITHOUT ROWID;"
                  "PRAGMA user_version = 1;"
                  "COMMIT;",
                  pageSize);
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        fail(QStringLiteral("create"), rc);
        if (!sqlite3_get_autocommit(db))
            exec("ROLLBACK");
        return false;
    }
    return true;
}

bool SettingsStore::quarantine()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = file + QStringLiteral(".damaged-") + stamp;
    struct stat st;
    for (int n = 2; ::lstat(QFile::encodeName(target).constData(), &st) == 0; ++n)
        target = file + QStringLiteral(".damaged-") + stamp + u'-' + QString::number(n);
    if (::rename(QFile::encodeName(file).constData(), QFile::encodeName(target).constData()) != 0) {
        const int err = errno;
        lastError =
            QStringLiteral("The settings store %1 is damaged and could not be set aside: %2.")
                .arg(file,
                     isPermission(err) ? QStringLiteral("the folder is read-only") : sysError(err));
        return false;
    }
    // A journal or log left beside the damaged file belongs to it, never to
    // the new store: move it along.
    for (const char *suffix : {"-journal", "-wal", "-shm"}) {
        const QByteArray side = QFile::encodeName(file + QLatin1String(suffix));
        if (::lstat(side.constData(), &st) == 0)
            ::rename(side.constData(),
                     QFile::encodeName(target + QLatin1String(suffix)).constData());
    }
    quarantined = target;
    return true;
}

QString SettingsStore::read(const QString &app, const QString &section, const QString &key,
                            const QString &fallback)
{
    sqlite3_stmt *stmt = statement(ReadValue);
    if (!stmt)
        return fallback;
    QString result = fallback;
    if (bindText(stmt, 1, app) && bindText(stmt, 2, section) && bindText(stmt, 3, key)) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW)
            result = columnText(stmt, 0);
        else if (rc != SQLITE_DONE)
            fail(QStringLiteral("read"), rc);
    }
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    return result;
}

bool SettingsStore::write(const QString &app, const QString &section, const QString &key,
                          const QString &value)
{
    sqlite3_stmt *stmt = statement(WriteValue);
    if (!stmt)
        return false;
    int rc = SQLITE_MISUSE;
    if (bindText(stmt, 1, app) && bindText(stmt, 2, section) && bindText(stmt, 3, key) &&
        bindText(stmt, 4, value))
        rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (rc != SQLITE_DONE)
        return fail(QStringLiteral("write"), rc);
    return true;
}

bool SettingsStore::deleteSection(const QString &app, const QString &section)
{
    sqlite3_stmt *stmt = statement(DeleteSection);
    if (!stmt)
        return false;
    int rc = SQLITE_MISUSE;
    if (bindText(stmt, 1, app) && bindText(stmt, 2, section))
        rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (rc != SQLITE_DONE)
        return fail(QStringLiteral("write"), rc);
    return true;
}

bool SettingsStore::replaceSection(const QString &app, const QString &section,
                                   const QList<std::pair<QString, QString>> &entries)
{
    // Rewriting a section of long notes whole costs its size twice in writes
    // (the journal keeps every old page) and dominated the save at exit; most
    // saves change a note or two. So compare first, then write the rest.
    QHash<QString, qsizetype> wanted;
    wanted.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        wanted.insert(entries.at(i).first, i);
    QList<bool> same(entries.size(), false);
    // A key given twice keeps its last value, as writes one after another would.
    for (qsizetype i = 0; i < entries.size(); ++i)
        same[i] = wanted.value(entries.at(i).first) != i;
    QStringList stale;

    sqlite3_stmt *stmt = statement(ReadSection);
    if (!stmt)
        return false;
    int rc = SQLITE_MISUSE;
    if (bindText(stmt, 1, app) && bindText(stmt, 2, section)) {
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            const QString key = columnText(stmt, 0);
            const auto at = wanted.constFind(key);
            if (at == wanted.constEnd()) {
                stale.append(key);
                continue;
            }
            // Compared where SQLite holds it: no copy of the stored text is made.
            const QString &value = entries.at(*at).second;
            const void *data = sqlite3_column_text16(stmt, 1);
            const qsizetype bytes = sqlite3_column_bytes16(stmt, 1);
            same[*at] =
                bytes == value.size() * 2 &&
                (bytes == 0 || (data && std::memcmp(data, value.utf16(), size_t(bytes)) == 0));
        }
    }
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (rc != SQLITE_DONE)
        return fail(QStringLiteral("read"), rc);

    for (const QString &key : std::as_const(stale)) {
        stmt = statement(DeleteKey);
        if (!stmt)
            return false;
        rc = SQLITE_MISUSE;
        if (bindText(stmt, 1, app) && bindText(stmt, 2, section) && bindText(stmt, 3, key))
            rc = sqlite3_step(stmt);
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
        if (rc != SQLITE_DONE)
            return fail(QStringLiteral("write"), rc);
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!same.at(i) && !write(app, section, entries.at(i).first, entries.at(i).second))
            return false;
    }
    return true;
}

void SettingsStore::releaseMemory()
{
    if (!db)
        return;
    // Dropping the limit unmaps the file; raising it again only lets the next
    // read map it anew.
    exec("PRAGMA mmap_size = 0");
    exec(mmapPragma);
    sqlite3_db_release_memory(db);
}

qint64 SettingsStore::bytesInUse()
{
    if (!db)
        return 0;
    sqlite3_stmt *stmt = nullptr;
    qint64 bytes = 0;
    if (sqlite3_prepare_v2(db,
                           "SELECT ((SELECT page_count FROM pragma_page_count)"
                           " - (SELECT freelist_count FROM pragma_freelist_count))"
                           " * (SELECT page_size FROM pragma_page_size)",
                           -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        bytes = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    return bytes;
}

QList<std::pair<QString, QString>> SettingsStore::readSection(const QString &app,
                                                              const QString &section)
{
    QList<std::pair<QString, QString>> result;
    sqlite3_stmt *stmt = statement(ReadSection);
    if (!stmt)
        return result;
    if (bindText(stmt, 1, app) && bindText(stmt, 2, section)) {
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            result.emplace_back(columnText(stmt, 0), columnText(stmt, 1));
        if (rc != SQLITE_DONE)
            fail(QStringLiteral("read"), rc);
    }
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    return result;
}

bool SettingsStore::runControl(int which, const QString &what)
{
    sqlite3_stmt *stmt = statement(which);
    if (!stmt)
        return false;
    const int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    return rc == SQLITE_DONE || fail(what, rc);
}

bool SettingsStore::begin()
{
    if (!runControl(Begin, QStringLiteral("write")))
        return false;
    inTransaction = true;
    return true;
}

bool SettingsStore::commit()
{
    if (!runControl(Commit, QStringLiteral("save")))
        return false;
    inTransaction = false;
    return true;
}

void SettingsStore::rollback()
{
    if (db && !sqlite3_get_autocommit(db)) {
        if (sqlite3_stmt *stmt = statement(Rollback)) {
            sqlite3_step(stmt);
            sqlite3_reset(stmt);
        }
    }
    inTransaction = false;
}
