// The per-user settings store: text values addressed by application,
// section and key, kept in one SQLite database.
#include "core/settingsstore.h"

#include "core/privatefolder.h"

#include <QDateTime>
#include <QFile>
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

const char *const statementSql[] = {
    "SELECT key, value FROM settings WHERE app = ?1 AND section = ?2",
    "SELECT key, value FROM settings WHERE app = ?1 AND section = ?2 AND key >= ?3 AND key < ?4",
    "SELECT key FROM settings WHERE app = ?1 AND section = ?2",
    "INSERT OR REPLACE INTO settings (app, section, key, value) VALUES (?1, ?2, ?3, ?4)",
    "DELETE FROM settings WHERE app = ?1 AND section = ?2 AND key = ?3",
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
};

// Every change is written at once, so a commit should cost one sync: a
// write-ahead log with synchronous = FULL syncs the log once per commit (a
// rollback journal syncs three times), survives a killed process with every
// commit, and leaves a power cut some earlier consistent state. It needs a
// writable folder even to read a store left in that mode. 4 KB pages waste
// least on long notes in overflow pages (16 KB pages made a store of 10 KB
// notes 70% larger and slower); mmap lets a load read the page cache
// directly.
constexpr int pageSize = 4096;
constexpr const char *mmapPragma = "PRAGMA mmap_size = 268435456";
constexpr int defaultBusyWaitMs = 1000;

const char16_t emptyText[1] = {0};

bool bindText(sqlite3_stmt *stmt, int index, const QString &text)
{
    // An explicit byte length lets U+0000 and lone surrogates through
    // unchanged; a null pointer would bind NULL, so the empty text gets a
    // real, empty buffer.
    if (text.isEmpty())
        return sqlite3_bind_text16(stmt, index, emptyText, 0, SQLITE_STATIC) == SQLITE_OK;
    // SQLite takes a leading U+FEFF or U+FFFE of a UTF-16 text for a
    // byte-order mark: it drops it, and for U+FFFE swaps every byte pair. It
    // drops one mark only, so such a text gets a mark of its own in front.
    const char16_t first = text.front().unicode();
    if (first == 0xFEFF || first == 0xFFFE) {
        const QString marked = QChar(0xFEFF) + text;
        return sqlite3_bind_text16(stmt, index, marked.utf16(), int(marked.size() * 2),
                                   SQLITE_TRANSIENT) == SQLITE_OK;
    }
    return sqlite3_bind_text16(stmt, index, text.utf16(), int(text.size() * 2), SQLITE_STATIC) ==
           SQLITE_OK;
}

bool bindTexts(sqlite3_stmt *stmt, std::initializer_list<const QString *> texts)
{
    int index = 1;
    for (const QString *text : texts) {
        if (!bindText(stmt, index++, *text))
            return false;
    }
    return true;
}

QString columnText(sqlite3_stmt *stmt, int column)
{
    const void *data = sqlite3_column_text16(stmt, column);
    const int bytes = sqlite3_column_bytes16(stmt, column);
    if (!data || bytes <= 0)
        return QStringLiteral(""); // empty, never null
    return QString(static_cast<const QChar *>(data), bytes / 2);
}

// Whether the column holds exactly text, compared where SQLite keeps it.
bool columnEquals(sqlite3_stmt *stmt, int column, const QString &text)
{
    const void *data = sqlite3_column_text16(stmt, column);
    const qsizetype bytes = sqlite3_column_bytes16(stmt, column);
    return bytes == text.size() * 2 &&
           (bytes == 0 || (data && std::memcmp(data, text.utf16(), size_t(bytes)) == 0));
}

void finish(sqlite3_stmt *stmt)
{
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
}

QString systemError(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

bool isPermission(int err)
{
    return err == EACCES || err == EPERM || err == EROFS;
}

// Takes the group's and others' rights off a file or folder of ours; never
// gives a right the owner does not have.
void keepPrivate(const QByteArray &native)
{
    struct stat st;
    if (::stat(native.constData(), &st) == 0 && (st.st_mode & 077) != 0 && st.st_uid == ::geteuid())
        ::chmod(native.constData(), st.st_mode & 07700);
}

} // namespace

SettingsStore::SettingsStore(QString path) : m_path(std::move(path))
{
    setBusyWait(defaultBusyWaitMs);
}

SettingsStore::~SettingsStore()
{
    close();
}

void SettingsStore::setBusyWait(int milliseconds)
{
    m_busyDeadline = QDeadlineTimer(milliseconds);
}

int SettingsStore::waitWhileBusy(void *store, int)
{
    // One wait for all the statements of an open or a save, not one each:
    // a locked store must not hold the window back for long.
    if (static_cast<SettingsStore *>(store)->m_busyDeadline.hasExpired())
        return 0;
    sqlite3_sleep(10);
    return 1;
}

void SettingsStore::close()
{
    for (auto &stmt : m_statements) {
        sqlite3_finalize(stmt);
        stmt = nullptr;
    }
    if (m_db) {
        // Closing merges the log into the store; a damaged store must not
        // be written, not even by that.
        if (m_foundDamage)
            sqlite3_db_config(m_db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

bool SettingsStore::fail(Doing doing, int rc)
{
    const int err = m_db ? sqlite3_system_errno(m_db) : 0;
    QString reason;
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        reason =
            tr("the store is locked by another program; close the other program and try again");
        break;
    case SQLITE_READONLY:
        reason = tr("the store is read-only; check the permissions of the file and its folder");
        break;
    case SQLITE_CANTOPEN:
        // The journal is made beside the store, and the error may not say why
        // it could not be.
        reason = isPermission(err) ||
                         ::access(QFile::encodeName(QFileInfo(m_path).absolutePath()).constData(),
                                  W_OK) != 0
                     ? tr("the folder is read-only, so the store cannot write its journal there")
                     : tr("a file beside the store cannot be opened");
        break;
    case SQLITE_FULL:
        reason = tr("the disk is full; free some space and try again");
        break;
    case SQLITE_IOERR:
        reason = err ? tr("the disk reported an error (%1)").arg(systemError(err))
                     : tr("the disk reported an error");
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        reason = tr("the store is damaged");
        break;
    case SQLITE_NOMEM:
        reason = tr("the computer ran out of memory");
        break;
    case SQLITE_CONSTRAINT:
        reason = tr("the store refused the change (%1)")
                     .arg(m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString());
        break;
    default:
        reason =
            m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(rc));
        break;
    }
    m_foundDamage = (rc & 0xff) == SQLITE_CORRUPT || (rc & 0xff) == SQLITE_NOTADB;
    QString text;
    switch (doing) {
    case Doing::Read:
        text = tr("Could not read the settings store %1: %2.");
        break;
    case Doing::Write:
        text = tr("Could not write the settings store %1: %2.");
        break;
    case Doing::Save:
        text = tr("Could not save the settings store %1: %2.");
        break;
    case Doing::Use:
        text = tr("Could not use the settings store %1: %2.");
        break;
    case Doing::Open:
        text = tr("Could not open the settings store %1: %2.");
        break;
    case Doing::Create:
        text = tr("Could not create the settings store %1: %2.");
        break;
    }
    failWith(reason, text.arg(m_path, reason));
    return false;
}

void SettingsStore::failWith(const QString &reason, const QString &text)
{
    m_errorReason = reason;
    m_errorText = text;
}

sqlite3_stmt *SettingsStore::statement(Statement which)
{
    if (!m_db)
        return nullptr;
    if (!m_statements[which]) {
        const int rc = sqlite3_prepare_v3(m_db, statementSql[which], -1, SQLITE_PREPARE_PERSISTENT,
                                          &m_statements[which], nullptr);
        if (rc != SQLITE_OK) {
            fail(Doing::Use, rc);
            sqlite3_finalize(m_statements[which]);
            m_statements[which] = nullptr;
        }
    }
    return m_statements[which];
}

SettingsStore::OpenResult SettingsStore::open(Scan scan, bool setAsideDamaged)
{
    close();
    m_quarantinedPath.clear();
    m_errorText.clear();
    m_errorReason.clear();
    m_foundDamage = false;
    if (m_path.isEmpty()) {
        m_errorText = tr("Could not open the settings store: no file name was given.");
        return OpenResult::Failed;
    }
    const QFileInfo info(m_path);
    const QString folderProblem = makePrivateFolder(info.absolutePath());
    if (!folderProblem.isEmpty()) {
        m_errorText = tr("Could not open the settings store %1: %2.").arg(m_path, folderProblem);
        return OpenResult::Failed;
    }
    const QByteArray native = QFile::encodeName(m_path);
    struct stat st;
    if (::stat(native.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            m_errorText = tr("Could not open the settings store %1: a folder stands where the "
                             "file should be; move or remove that folder.")
                              .arg(m_path);
            return OpenResult::Failed;
        }
        if (!S_ISREG(st.st_mode)) {
            m_errorText =
                tr("Could not open the settings store %1: it is not a plain file.").arg(m_path);
            return OpenResult::Failed;
        }
        keepPrivate(native);
        keepPrivate(QFile::encodeName(info.absolutePath()));
    } else if (errno == ENOENT) {
        const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            const int err = errno;
            m_errorText =
                isPermission(err)
                    ? tr("Could not create the settings store %1: the folder is read-only.")
                          .arg(m_path)
                    : tr("Could not create the settings store %1: %2.")
                          .arg(m_path, systemError(err));
            return OpenResult::Failed;
        }
        ::fchmod(fd, 0600);
        ::close(fd);
    } else {
        m_errorText =
            tr("Could not open the settings store %1: %2.").arg(m_path, systemError(errno));
        return OpenResult::Failed;
    }
    const OpenResult opened = openFile(scan, setAsideDamaged, false);
    if (m_errorReason.isEmpty())
        m_errorReason = m_errorText;
    return opened;
}

SettingsStore::OpenResult SettingsStore::openFile(Scan scan, bool setAsideDamaged, bool madeAfresh)
{
    const QByteArray native = QFile::encodeName(m_path);
    const int rc = sqlite3_open_v2(native.constData(), &m_db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        fail(Doing::Open, rc);
        if (m_db && (rc & 0xff) == SQLITE_CANTOPEN && isPermission(sqlite3_system_errno(m_db)))
            m_errorText = tr("Could not open the settings store %1: the file may not "
                             "be read; check its permissions.")
                              .arg(m_path);
        close();
        return OpenResult::Failed;
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_handler(m_db, &SettingsStore::waitWhileBusy, this);
    sqlite3_exec(m_db, "PRAGMA synchronous = FULL", nullptr, nullptr, nullptr);
    sqlite3_exec(m_db, mmapPragma, nullptr, nullptr, nullptr);
    sqlite3_exec(m_db, "PRAGMA cache_size = -65536", nullptr, nullptr, nullptr);

    switch (checkStore(scan)) {
    case Check::Sound:
        // After the check, which makes a new store's table: the text
        // encoding can only be chosen before the log exists. In a read-only
        // folder the store stays with its rollback journal and can be read.
        sqlite3_exec(m_db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
        return madeAfresh ? OpenResult::Quarantined : OpenResult::Opened;
    case Check::Failed:
        close();
        return OpenResult::Failed;
    case Check::Damaged:
        m_foundDamage = true;
        break;
    }
    close();
    if (madeAfresh) {
        m_errorText = tr("Could not make a new settings store %1.").arg(m_path);
        return OpenResult::Failed;
    }
    if (!setAsideDamaged) {
        failWith(tr("the store is damaged"),
                 tr("Could not use the settings store %1: the store is damaged.").arg(m_path));
        return OpenResult::Failed;
    }
    if (!quarantine())
        return OpenResult::Failed;
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_errorText = tr("Could not create a new settings store %1 after setting the "
                         "damaged one aside as %2: %3.")
                          .arg(m_path, m_quarantinedPath, systemError(errno));
        return OpenResult::Failed;
    }
    ::fchmod(fd, 0600);
    ::close(fd);
    m_foundDamage = false;
    return openFile(scan, false, true);
}

// Decides whether the open file is a sound store, makes the table in a new
// (empty) database, and tells damage (set it aside) from a failure to look
// (a lock, a disk error: leave the file alone).
SettingsStore::Check SettingsStore::checkStore(Scan scan)
{
    auto classify = [this](int rc) {
        const int primary = rc & 0xff;
        if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT || primary == SQLITE_FORMAT)
            return Check::Damaged;
        fail(Doing::Read, rc);
        return Check::Failed;
    };
    // A statement that fails to prepare leaves stmt null: nothing to finalize.
    sqlite3_stmt *stmt = nullptr;
    auto prepare = [this, &stmt](const char *sql) {
        return sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr);
    };

    if (const Check pages = scanPages(scan); pages != Check::Sound)
        return pages;
    int rc =
        prepare("SELECT (SELECT count(*) FROM sqlite_schema),"
                " (SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name = 'settings')");
    if (rc != SQLITE_OK)
        return classify(rc);
    rc = sqlite3_step(stmt);
    const int objects = rc == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : 0;
    const int tables = rc == SQLITE_ROW ? sqlite3_column_int(stmt, 1) : 0;
    sqlite3_finalize(stmt);
    if (rc != SQLITE_ROW)
        return classify(rc);
    if (objects == 0)
        return createSchema() ? Check::Sound : Check::Failed;
    if (tables != 1)
        return Check::Damaged;

    // The shape of the table: four NOT NULL text columns, the first three the key.
    rc = prepare("SELECT name, upper(type), \"notnull\", pk FROM pragma_table_info('settings')"
                 " ORDER BY cid");
    if (rc != SQLITE_OK)
        return classify(rc);
    static const char *const names[] = {"app", "section", "key", "value"};
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
        return classify(rc);
    return shape && columns == 4 ? Check::Sound : Check::Damaged;
}

SettingsStore::Check SettingsStore::scanPages(Scan scan)
{
    if (scan == Scan::None)
        return Check::Sound;
    sqlite3_stmt *stmt = nullptr;
    int rc = sqlite3_prepare_v2(
        m_db, scan == Scan::Full ? "PRAGMA integrity_check(1)" : "PRAGMA quick_check(1)", -1, &stmt,
        nullptr);
    bool sound = false;
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW) {
            const unsigned char *text = sqlite3_column_text(stmt, 0);
            sound = text && std::strcmp(reinterpret_cast<const char *>(text), "ok") == 0;
            rc = SQLITE_DONE;
        }
    }
    sqlite3_finalize(stmt);
    const int primary = rc & 0xff;
    if ((rc == SQLITE_DONE && !sound) || primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT ||
        primary == SQLITE_FORMAT)
        return Check::Damaged;
    if (rc != SQLITE_DONE) {
        fail(Doing::Read, rc);
        return Check::Failed;
    }
    return Check::Sound;
}

bool SettingsStore::scan(Scan scan)
{
    switch (scanPages(scan)) {
    case Check::Sound:
        return true;
    case Check::Damaged:
        m_foundDamage = true;
        failWith(tr("the store is damaged"),
                 tr("Could not use the settings store %1: the store is damaged.").arg(m_path));
        return false;
    case Check::Failed:
        return false;
    }
    return false;
}

bool SettingsStore::createSchema()
{
    if (sqlite3_db_readonly(m_db, "main") == 1) {
        m_errorText =
            tr("Could not create the settings store %1: the file is read-only.").arg(m_path);
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
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        fail(Doing::Create, rc);
        if (!sqlite3_get_autocommit(m_db))
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    return true;
}

bool SettingsStore::quarantine()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = m_path + QStringLiteral(".damaged-") + stamp;
    struct stat st;
    // Never over an earlier one, even one set aside within the same second.
    for (int n = 2; ::lstat(QFile::encodeName(target).constData(), &st) == 0; ++n)
        target = m_path + QStringLiteral(".damaged-") + stamp + u'-' + QString::number(n);
    if (::rename(QFile::encodeName(m_path).constData(), QFile::encodeName(target).constData()) !=
        0) {
        const int err = errno;
        m_errorText =
            tr("The settings store %1 is damaged and could not be set aside: %2.")
                .arg(m_path, isPermission(err) ? tr("the folder is read-only") : systemError(err));
        return false;
    }
    // A journal or log left beside the damaged file belongs to it, never to
    // the new store: it goes along.
    for (const char *suffix : {"-journal", "-wal", "-shm"}) {
        const QByteArray side = QFile::encodeName(m_path + QLatin1String(suffix));
        if (::lstat(side.constData(), &st) == 0)
            ::rename(side.constData(),
                     QFile::encodeName(target + QLatin1String(suffix)).constData());
    }
    m_quarantinedPath = target;
    return true;
}

std::optional<QList<SettingsStore::Entry>> SettingsStore::readSection(const QString &app,
                                                                      const QString &section,
                                                                      const QString &from,
                                                                      const QString &to)
{
    const bool range = !from.isNull();
    sqlite3_stmt *stmt = statement(range ? ReadRange : ReadSection);
    if (!stmt)
        return std::nullopt;
    QList<Entry> entries;
    int rc = SQLITE_MISUSE;
    if (range ? bindTexts(stmt, {&app, &section, &from, &to}) : bindTexts(stmt, {&app, &section})) {
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            entries.emplace_back(columnText(stmt, 0), columnText(stmt, 1));
    }
    finish(stmt);
    if (rc != SQLITE_DONE) {
        fail(Doing::Read, rc);
        return std::nullopt;
    }
    return entries;
}

bool SettingsStore::write(const QString &app, const QString &section, const QString &key,
                          const QString &value)
{
    sqlite3_stmt *stmt = statement(Write);
    if (!stmt)
        return false;
    int rc = SQLITE_MISUSE;
    if (bindTexts(stmt, {&app, &section, &key, &value}))
        rc = sqlite3_step(stmt);
    finish(stmt);
    return rc == SQLITE_DONE || fail(Doing::Write, rc);
}

std::optional<QStringList> SettingsStore::keys(const QString &app, const QString &section)
{
    sqlite3_stmt *stmt = statement(ReadKeys);
    if (!stmt)
        return std::nullopt;
    QStringList found;
    int rc = SQLITE_MISUSE;
    if (bindTexts(stmt, {&app, &section})) {
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            found.append(columnText(stmt, 0));
    }
    finish(stmt);
    if (rc != SQLITE_DONE) {
        fail(Doing::Read, rc);
        return std::nullopt;
    }
    return found;
}

bool SettingsStore::remove(const QString &app, const QString &section, const QString &key)
{
    sqlite3_stmt *stmt = statement(DeleteKey);
    if (!stmt)
        return false;
    int rc = SQLITE_MISUSE;
    if (bindTexts(stmt, {&app, &section, &key}))
        rc = sqlite3_step(stmt);
    finish(stmt);
    return rc == SQLITE_DONE || fail(Doing::Write, rc);
}

bool SettingsStore::replaceSection(const QString &app, const QString &section,
                                   const QList<Entry> &entries)
{
    // Most saves change a note or two; rewriting a section of long notes
    // whole would journal and write all of them. So compare first.
    QHash<QString, qsizetype> wanted;
    wanted.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        wanted.insert(entries.at(i).first, i);
    // A key given twice keeps its last value, as writes one after another would.
    QList<bool> same(entries.size(), false);
    for (qsizetype i = 0; i < entries.size(); ++i)
        same[i] = wanted.value(entries.at(i).first) != i;
    QStringList stale;

    sqlite3_stmt *stmt = statement(ReadSection);
    if (!stmt)
        return false;
    int rc = SQLITE_MISUSE;
    if (bindTexts(stmt, {&app, &section})) {
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            const QString key = columnText(stmt, 0);
            const auto at = wanted.constFind(key);
            if (at == wanted.constEnd())
                stale.append(key);
            else
                same[*at] = columnEquals(stmt, 1, entries.at(*at).second);
        }
    }
    finish(stmt);
    if (rc != SQLITE_DONE)
        return fail(Doing::Read, rc);

    for (const QString &key : std::as_const(stale)) {
        if (!remove(app, section, key))
            return false;
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!same.at(i) && !write(app, section, entries.at(i).first, entries.at(i).second))
            return false;
    }
    return true;
}

bool SettingsStore::step(Statement which, Doing doing)
{
    sqlite3_stmt *stmt = statement(which);
    if (!stmt)
        return false;
    const int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    return rc == SQLITE_DONE || fail(doing, rc);
}

bool SettingsStore::begin()
{
    return step(Begin, Doing::Write);
}

bool SettingsStore::commit()
{
    return step(Commit, Doing::Save);
}

void SettingsStore::rollback()
{
    // Keeps errorText(): it tells why the transaction is undone.
    if (!m_db || sqlite3_get_autocommit(m_db))
        return;
    if (sqlite3_stmt *stmt = statement(Rollback)) {
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
}

void SettingsStore::releaseMemory()
{
    if (!m_db)
        return;
    // Dropping the limit unmaps the file; raising it again only lets the
    // next read map it anew.
    sqlite3_exec(m_db, "PRAGMA mmap_size = 0", nullptr, nullptr, nullptr);
    sqlite3_exec(m_db, mmapPragma, nullptr, nullptr, nullptr);
    sqlite3_db_release_memory(m_db);
}
