// The per-user settings store: text values addressed by application,
// section and key, kept in one SQLite database.
#include "core/settingsstore.h"

#include "core/privatefolder.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

const char *const statementSql[] = {
    "SELECT key, value FROM settings WHERE app = ?1 AND section = ?2",
    "SELECT key, value FROM settings WHERE app = ?1 AND section = ?2 AND key >= ?3 AND key < ?4",
    "SELECT value FROM settings WHERE app = ?1 AND section = ?2 AND key = ?3",
    // A search along the primary key compares whole rows, so every long note
    // in the range would be read in full for it; a plain scan of the table
    // reads the keys alone (1 ms rather than 28 for 500 notes of 64 KB).
    "SELECT key FROM settings WHERE +app = ?1 AND +section = ?2",
    "INSERT OR REPLACE INTO settings (app, section, key, value) VALUES (?1, ?2, ?3, ?4)",
    "DELETE FROM settings WHERE app = ?1 AND section = ?2 AND key = ?3",
    "DELETE FROM settings WHERE app = ?1 AND section = ?2",
    "BEGIN",
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
    "PRAGMA data_version",
};

// The rollback journal, deleted at each commit, keeps no file beside the
// store between writes: nothing of ours stays read-only after the user mends
// the store's rights, and a file copied over the store is seen as a change
// at the next transaction (the write-ahead log would lay its pages over the
// new file). EXTRA syncs the folder when the journal goes, so a commit that
// returned survives a power cut. No memory map: a file truncated under the
// program must be a read error, not a crash. 4 KB pages waste least on long
// notes in overflow pages.
constexpr int pageSize = 4096;
constexpr const char *connectionPragmas = "PRAGMA journal_mode = DELETE;"
                                          "PRAGMA synchronous = EXTRA;"
                                          "PRAGMA mmap_size = 0;";
// A write gets a cache large enough for a whole command's pages: a smaller
// one spills them into the file before the commit, at the cost of a sync
// each time (a delete of the first of 500 notes of 64 KB takes half as
// long). Reads keep SQLite's own small one: a large cache would hold the
// pages the start reads, 64 MB of them for notes of 64 KB.
constexpr const char *writeCache = "PRAGMA cache_size = -131072";
constexpr const char *readCache = "PRAGMA cache_size = -2000";
constexpr int defaultBusyWaitMs = 1000;
// SQLite's own file layer refuses longer paths (its limit is 512 bytes,
// and "-journal" is added to the store's).
constexpr qsizetype longestPath = 500;

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

bool isDamage(int rc)
{
    const int primary = rc & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB || primary == SQLITE_FORMAT;
}

// Takes the group's and others' rights off a file or folder of ours; never
// gives a right the owner does not have.
void keepPrivate(const QByteArray &native)
{
    struct stat st;
    if (::stat(native.constData(), &st) == 0 && (st.st_mode & 077) != 0 && st.st_uid == ::geteuid())
        ::chmod(native.constData(), st.st_mode & 07700);
}

qint64 steadyNowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A path SQLite's file layer would refuse is opened as
// /proc/self/fd/<folder>/<name>: this layer hands such a name on as it is,
// where the default one would resolve the link back into the long path.
int keepPathAsGiven(sqlite3_vfs *, const char *path, int size, char *out)
{
    const auto length = std::strlen(path);
    if (length + 1 > size_t(size))
        return SQLITE_CANTOPEN;
    std::memcpy(out, path, length + 1);
    return SQLITE_OK;
}

const char *longPathLayer()
{
    static sqlite3_vfs layer = [] {
        sqlite3_vfs own = *sqlite3_vfs_find(nullptr);
        own.zName = "quillbox-long-path";
        own.xFullPathname = keepPathAsGiven;
        return own;
    }();
    static const bool registered = sqlite3_vfs_register(&layer, 0) == SQLITE_OK;
    return registered ? layer.zName : nullptr;
}

} // namespace

SettingsStore::SettingsStore(QString path) : m_path(std::move(path))
{
    setBusyDeadline(QDeadlineTimer(defaultBusyWaitMs));
}

SettingsStore::~SettingsStore()
{
    close();
}

void SettingsStore::setBusyDeadline(QDeadlineTimer deadline)
{
    m_busyDeadlineNs = steadyNowNs() + std::max<qint64>(deadline.remainingTimeNSecs(), 0);
}

int SettingsStore::waitWhileBusy(void *store, int)
{
    // One wait for all the statements of a write, not one each: a locked
    // store must not hold anything back for long.
    if (steadyNowNs() >= static_cast<SettingsStore *>(store)->m_busyDeadlineNs)
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
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    if (m_folderFd >= 0) {
        ::close(m_folderFd);
        m_folderFd = -1;
    }
    m_dataVersion = -1;
}

bool SettingsStore::fail(int rc)
{
    const int err = m_db ? sqlite3_system_errno(m_db) : 0;
    m_failure = isDamage(rc)                                                 ? Failure::Damage
                : (rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED ? Failure::Busy
                                                                             : Failure::Other;
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        m_errorReason =
            tr("the store is locked by another program; close the other program and try again");
        break;
    case SQLITE_READONLY:
        m_errorReason =
            tr("the store is read-only; check the permissions of the file and its folder");
        break;
    case SQLITE_CANTOPEN:
        // The journal is made beside the store, and the error may not say why
        // it could not be.
        m_errorReason =
            isPermission(err) ||
                    ::access(QFile::encodeName(QFileInfo(m_path).absolutePath()).constData(),
                             W_OK) != 0
                ? tr("the folder is read-only, so the store cannot write its journal there")
                : tr("a file beside the store cannot be opened (%1)").arg(systemError(err));
        break;
    case SQLITE_FULL:
        m_errorReason = tr("the disk is full; free some space and try again");
        break;
    case SQLITE_IOERR:
        m_errorReason = err ? tr("the disk reported an error (%1)").arg(systemError(err))
                            : tr("the disk reported an error");
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_FORMAT:
        m_errorReason = tr("the store is damaged");
        break;
    case SQLITE_NOMEM:
        m_errorReason = tr("the computer ran out of memory");
        break;
    case SQLITE_CONSTRAINT:
        m_errorReason = tr("the store refused the change (%1)")
                            .arg(m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString());
        break;
    default:
        m_errorReason =
            m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(rc));
        break;
    }
    return false;
}

sqlite3_stmt *SettingsStore::statement(Statement which)
{
    if (!m_db) {
        m_errorReason = tr("the store is not open");
        return nullptr;
    }
    if (!m_statements[which]) {
        const int rc = sqlite3_prepare_v3(m_db, statementSql[which], -1, SQLITE_PREPARE_PERSISTENT,
                                          &m_statements[which], nullptr);
        if (rc != SQLITE_OK) {
            fail(rc);
            sqlite3_finalize(m_statements[which]);
            m_statements[which] = nullptr;
        }
    }
    return m_statements[which];
}

// The folder, private, and the file; an empty text, or why not.
QString SettingsStore::makeFile(bool create)
{
    if (m_path.isEmpty())
        return tr("no file name was given");
    const QFileInfo info(m_path);
    if (QString problem = makePrivateFolder(info.absolutePath()); !problem.isEmpty())
        return problem;
    const QByteArray native = QFile::encodeName(m_path);
    struct stat st;
    if (::stat(native.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return tr("a folder stands where the file should be; move or remove that folder");
        if (!S_ISREG(st.st_mode))
            return tr("it is not a plain file");
        keepPrivate(native);
        keepPrivate(QFile::encodeName(info.absolutePath()));
        return {};
    }
    if (errno != ENOENT)
        return systemError(errno);
    if (!create)
        return tr("the file is missing");
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int err = errno;
        return isPermission(err) ? tr("the folder is read-only") : systemError(err);
    }
    ::fchmod(fd, 0600);
    ::close(fd);
    return {};
}

SettingsStore::Opened SettingsStore::open(bool create)
{
    return open(create ? Access::Create : Access::Existing);
}

SettingsStore::Opened SettingsStore::openReadOnly()
{
    return open(Access::ReadOnly);
}

SettingsStore::Opened SettingsStore::open(Access access)
{
    close();
    m_errorReason.clear();
    m_failure = Failure::None;
    const bool readOnly = access == Access::ReadOnly;
    if (const QString problem = readOnly ? QString() : makeFile(access == Access::Create);
        !problem.isEmpty()) {
        m_errorReason = problem;
        m_failure = Failure::Other;
        return Opened::Failed;
    }
    QByteArray name = QFile::encodeName(m_path);
    const char *layer = nullptr;
    if (name.size() > longestPath) {
        m_folderFd = ::open(QFile::encodeName(QFileInfo(m_path).absolutePath()).constData(),
                            O_PATH | O_DIRECTORY | O_CLOEXEC);
        layer = longPathLayer();
        name = "/proc/self/fd/" + QByteArray::number(m_folderFd) + '/' +
               QFile::encodeName(QFileInfo(m_path).fileName());
    }
    const int rc = sqlite3_open_v2(
        name.constData(), &m_db,
        (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX, layer);
    if (rc != SQLITE_OK) {
        fail(rc);
        if (m_db && (rc & 0xff) == SQLITE_CANTOPEN && isPermission(sqlite3_system_errno(m_db)))
            m_errorReason = tr("the file may not be read; check its permissions");
        close();
        return Opened::Failed;
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_handler(m_db, &SettingsStore::waitWhileBusy, this);
    struct stat st;
    if (::stat(QFile::encodeName(m_path).constData(), &st) == 0) {
        m_device = st.st_dev;
        m_inode = st.st_ino;
    }
    // Only a store being made gets its table: an empty file met later is
    // one another program is writing (a copy over it, just begun).
    switch (checkStore(access == Access::Create)) {
    case Check::Sound:
        // After the check, which makes a new store's table: the text
        // encoding can only be chosen in an empty file. A store left in WAL
        // mode by an earlier version turns to the journal here, when it can.
        if (!readOnly)
            sqlite3_exec(m_db, connectionPragmas, nullptr, nullptr, nullptr);
        stampFile();
        return Opened::Opened;
    case Check::Failed:
        close();
        return Opened::Failed;
    case Check::Damaged:
        break;
    }
    close();
    m_failure = Failure::Damage;
    m_errorReason = tr("the store is damaged");
    return Opened::Damaged;
}

SettingsStore::FileAtPath SettingsStore::fileAtPath() const
{
    struct stat st;
    if (::stat(QFile::encodeName(m_path).constData(), &st) != 0)
        return errno == ENOENT ? FileAtPath::Missing : FileAtPath::Same;
    return st.st_dev == m_device && st.st_ino == m_inode ? FileAtPath::Same : FileAtPath::Other;
}

// Decides whether the open file is a sound store, makes the table in a new
// (empty) database, and tells damage (set it aside) from a failure to look
// (a lock, a disk error: leave the file alone).
SettingsStore::Check SettingsStore::checkStore(bool mayCreate)
{
    auto classify = [this](int rc) {
        if (isDamage(rc))
            return Check::Damaged;
        fail(rc);
        return Check::Failed;
    };
    // A statement that fails to prepare leaves stmt null: nothing to finalize.
    sqlite3_stmt *stmt = nullptr;
    auto prepare = [this, &stmt](const char *sql) {
        return sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr);
    };
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
    if (objects == 0 && !mayCreate)
        return Check::Damaged;
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

bool SettingsStore::scan(Scan scan)
{
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
    if (rc != SQLITE_DONE)
        return fail(rc);
    if (!sound) {
        m_failure = Failure::Damage;
        m_errorReason = tr("the store is damaged");
    }
    return sound;
}

bool SettingsStore::backUpTo(const QString &file)
{
    return run("VACUUM INTO ?1", [&file](sqlite3_stmt *stmt) { return bindText(stmt, 1, file); });
}

void SettingsStore::interrupt()
{
    if (m_db)
        sqlite3_interrupt(m_db);
}

bool SettingsStore::createSchema()
{
    if (sqlite3_db_readonly(m_db, "main") == 1) {
        m_errorReason = tr("the file is read-only");
        return false;
    }
    const QByteArray sql = "PRAGMA page_size = " + QByteArray::number(pageSize) +
                           ";"
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
                           "COMMIT;";
    const int rc = sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        fail(rc);
        if (!sqlite3_get_autocommit(m_db))
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    return true;
}

QString SettingsStore::setAside(const QString &label)
{
    close();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = m_path + u'.' + label + u'-' + stamp;
    QString target = base;
    struct stat st;
    // Never over an earlier one, even one set aside within the same second.
    for (int n = 2; ::lstat(QFile::encodeName(target).constData(), &st) == 0; ++n)
        target = base + u'-' + QString::number(n);
    if (::rename(QFile::encodeName(m_path).constData(), QFile::encodeName(target).constData()) !=
        0) {
        const int err = errno;
        m_errorReason = isPermission(err) ? tr("the folder is read-only") : systemError(err);
        return {};
    }
    // A journal or log left beside the file belongs to it, never to the
    // next store: it goes along.
    for (const char *suffix : {"-journal", "-wal", "-shm"}) {
        const QByteArray side = QFile::encodeName(m_path + QLatin1String(suffix));
        if (::lstat(side.constData(), &st) == 0)
            ::rename(side.constData(),
                     QFile::encodeName(target + QLatin1String(suffix)).constData());
    }
    return target;
}

std::optional<QList<SettingsStore::Entry>>
SettingsStore::readSection(const QString &section, const QString &from, const QString &to)
{
    const bool range = !from.isNull();
    sqlite3_stmt *stmt = statement(range ? ReadRange : ReadSection);
    if (!stmt)
        return std::nullopt;
    QList<Entry> entries;
    int rc = SQLITE_MISUSE;
    const QString &app = StoredLayout::application;
    if (range ? bindTexts(stmt, {&app, &section, &from, &to}) : bindTexts(stmt, {&app, &section})) {
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            entries.emplace_back(columnText(stmt, 0), columnText(stmt, 1));
    }
    finish(stmt);
    if (rc != SQLITE_DONE) {
        fail(rc);
        return std::nullopt;
    }
    return entries;
}

void SettingsStore::walk(const char *sql, const std::function<void(qint64, sqlite3_stmt *)> &row,
                         const std::function<void(qint64)> &lost)
{
    // A row that cannot be read ends the statement; the next one starts
    // past it. OFFSET steps over rows without reading their columns.
    constexpr int lostInARow = 64; // past a page of rows: give up
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        return;
    qint64 at = 0;
    for (int failures = 0; failures < lostInARow;) {
        sqlite3_bind_int64(stmt, 1, at);
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            row(at++, stmt);
            failures = 0;
        }
        sqlite3_reset(stmt);
        if (rc == SQLITE_DONE)
            break;
        lost(at++);
        ++failures;
    }
    sqlite3_finalize(stmt);
}

SettingsStore::Salvaged SettingsStore::salvage()
{
    Salvaged salvaged;
    if (!m_db)
        return salvaged;
    // The key columns stay on the row's own page; the value may not.
    QHash<qint64, qsizetype> ours; // row -> its entry
    walk(
        "SELECT app, section, key FROM settings LIMIT -1 OFFSET ?1",
        [&](qint64 row, sqlite3_stmt *stmt) {
            if (columnText(stmt, 0) != StoredLayout::application)
                return;
            ours.insert(row, salvaged.entries.size());
            salvaged.entries.append({columnText(stmt, 1), columnText(stmt, 2), QString()});
        },
        [&](qint64) { ++salvaged.lost; });
    walk(
        "SELECT value FROM settings LIMIT -1 OFFSET ?1",
        [&](qint64 row, sqlite3_stmt *stmt) {
            if (const auto entry = ours.constFind(row); entry != ours.constEnd())
                salvaged.entries[*entry].value = columnText(stmt, 0);
        },
        [](qint64) {});
    return salvaged;
}

std::optional<QString> SettingsStore::readValue(const QString &section, const QString &key)
{
    sqlite3_stmt *stmt = statement(ReadValue);
    if (!stmt)
        return std::nullopt;
    int rc = SQLITE_MISUSE;
    QString value;
    if (bindTexts(stmt, {&StoredLayout::application, &section, &key})) {
        rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW) {
            value = columnText(stmt, 0);
            rc = SQLITE_DONE;
        }
    }
    finish(stmt);
    if (rc != SQLITE_DONE) {
        fail(rc);
        return std::nullopt;
    }
    return value;
}

std::optional<QStringList> SettingsStore::keys(const QString &section)
{
    sqlite3_stmt *stmt = statement(ReadKeys);
    if (!stmt)
        return std::nullopt;
    QStringList found;
    int rc = SQLITE_MISUSE;
    if (bindTexts(stmt, {&StoredLayout::application, &section})) {
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            found.append(columnText(stmt, 0));
    }
    finish(stmt);
    if (rc != SQLITE_DONE) {
        fail(rc);
        return std::nullopt;
    }
    return found;
}

bool SettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    sqlite3_stmt *stmt = statement(Write);
    if (!stmt)
        return false;
    int rc = SQLITE_MISUSE;
    if (bindTexts(stmt, {&StoredLayout::application, &section, &key, &value}))
        rc = sqlite3_step(stmt);
    finish(stmt);
    return rc == SQLITE_DONE || fail(rc);
}

bool SettingsStore::remove(const QString &section, const QString &key)
{
    sqlite3_stmt *stmt = statement(key.isNull() ? DeleteSection : DeleteKey);
    if (!stmt)
        return false;
    int rc = SQLITE_MISUSE;
    if (key.isNull() ? bindTexts(stmt, {&StoredLayout::application, &section})
                     : bindTexts(stmt, {&StoredLayout::application, &section, &key}))
        rc = sqlite3_step(stmt);
    finish(stmt);
    return rc == SQLITE_DONE || fail(rc);
}

bool SettingsStore::apply(const StoredLayout::Changes &changes)
{
    if (changes.clearNotes && !remove(StoredLayout::notesSection, QString()))
        return false;
    for (const auto &removal : changes.removals) {
        if (!remove(removal.section, removal.key))
            return false;
    }
    for (const auto &entry : changes.writes) {
        if (!write(entry.section, entry.key, entry.value))
            return false;
    }
    return true;
}

bool SettingsStore::step(Statement which)
{
    sqlite3_stmt *stmt = statement(which);
    if (!stmt)
        return false;
    const int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    return rc == SQLITE_DONE || fail(rc);
}

bool SettingsStore::beginRead()
{
    // A deferred transaction: its lock comes with the first read.
    return step(BeginRead);
}

bool SettingsStore::begin()
{
    if (m_db)
        sqlite3_exec(m_db, writeCache, nullptr, nullptr, nullptr);
    return step(Begin);
}

std::pair<qint64, qint64> SettingsStore::fileStamp() const
{
    struct stat st;
    if (::stat(QFile::encodeName(m_path).constData(), &st) != 0)
        return {-1, -1};
    return {qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec, qint64(st.st_size)};
}

void SettingsStore::stampFile()
{
    m_stamp = fileStamp();
}

bool SettingsStore::changedByOthers()
{
    // Another connection's commit shows in the data version; a file copied
    // over this one (cp, a sync tool) only in the change time of the file,
    // which nothing but a write of its content moves.
    sqlite3_stmt *stmt = statement(DataVersion);
    if (!stmt)
        return false;
    const qint64 version = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : -1;
    sqlite3_reset(stmt);
    const bool changed = (m_dataVersion >= 0 && version != m_dataVersion) || fileStamp() != m_stamp;
    m_dataVersion = version;
    stampFile();
    return changed;
}

bool SettingsStore::commit()
{
    const bool committed = step(Commit);
    stampFile();
    shrinkCache();
    return committed;
}

void SettingsStore::shrinkCache()
{
    if (!m_db)
        return;
    sqlite3_exec(m_db, readCache, nullptr, nullptr, nullptr);
    sqlite3_db_release_memory(m_db);
}

void SettingsStore::rollback()
{
    // Keeps errorReason(): it tells why the transaction is undone.
    if (!m_db || sqlite3_get_autocommit(m_db))
        return;
    if (sqlite3_stmt *stmt = statement(Rollback)) {
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    // Pages spilled before the commit are taken back: the file changed.
    stampFile();
    shrinkCache();
}

bool SettingsStore::run(const char *sql, const std::function<bool(sqlite3_stmt *)> &bind,
                        const std::function<void(sqlite3_stmt *)> &row)
{
    if (!m_db) {
        m_failure = Failure::Other;
        m_errorReason = tr("the store is not open");
        return false;
    }
    sqlite3_stmt *stmt = nullptr;
    int rc = sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr);
    if (rc == SQLITE_OK) {
        rc = SQLITE_MISUSE;
        if (!bind || bind(stmt)) {
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW && row)
                row(stmt);
        }
    }
    sqlite3_finalize(stmt);
    return rc == SQLITE_DONE || (rc == SQLITE_ROW && !row) || fail(rc);
}

bool SettingsStore::hasHistory()
{
    bool found = false;
    return run("SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = 'history'", {},
               [&found](sqlite3_stmt *) { found = true; }) &&
           found;
}

bool SettingsStore::appendHistory(const QList<HistoryStep> &steps, int maxSteps,
                                  qint64 maxCharacters)
{
    // The notes go last: a column after them would be reached only through
    // every page of a flush's 64 MB.
    if (!run("CREATE TABLE IF NOT EXISTS history (\n"
             "    step     INTEGER PRIMARY KEY,\n"
             "    undone   INTEGER NOT NULL,\n"
             "    label    TEXT NOT NULL,\n"
             "    at       INTEGER NOT NULL,\n"
             "    size     INTEGER NOT NULL,\n"
             "    dropped  TEXT,\n"
             "    removed  BLOB NOT NULL,\n"
             "    inserted BLOB NOT NULL\n"
             ")",
             {}) ||
        !run("DELETE FROM history WHERE undone", {}))
        return false;
    for (const HistoryStep &step : steps) {
        const QByteArray removed = notesToBytes(step.removed);
        const QByteArray inserted = notesToBytes(step.inserted);
        const auto bind = [&](sqlite3_stmt *stmt) {
            return bindText(stmt, 1, step.label) &&
                   sqlite3_bind_int(stmt, 2, step.at) == SQLITE_OK &&
                   sqlite3_bind_blob(stmt, 3, removed.constData(), int(removed.size()),
                                     SQLITE_STATIC) == SQLITE_OK &&
                   sqlite3_bind_blob(stmt, 4, inserted.constData(), int(inserted.size()),
                                     SQLITE_STATIC) == SQLITE_OK &&
                   (step.droppedText ? bindText(stmt, 5, *step.droppedText)
                                     : sqlite3_bind_null(stmt, 5) == SQLITE_OK) &&
                   sqlite3_bind_int64(stmt, 6, step.size()) == SQLITE_OK;
        };
        if (!run("INSERT INTO history (undone, label, at, removed, inserted, dropped, size)"
                 " VALUES (0, ?1, ?2, ?3, ?4, ?5, ?6)",
                 bind))
            return false;
    }
    // The oldest steps go past the bound, counted from the newest.
    qint64 kept = 0, characters = 0, oldestKept = 0;
    const bool measured =
        run("SELECT step, size FROM history ORDER BY step DESC", {}, [&](sqlite3_stmt *stmt) {
            characters += sqlite3_column_int64(stmt, 1);
            if (kept == 0 || (kept < maxSteps && characters <= maxCharacters)) {
                ++kept;
                oldestKept = sqlite3_column_int64(stmt, 0);
            } else {
                characters = maxCharacters + 1; // none older
            }
        });
    return measured && run("DELETE FROM history WHERE step < ?1", [oldestKept](sqlite3_stmt *stmt) {
               return sqlite3_bind_int64(stmt, 1, oldestKept) == SQLITE_OK;
           });
}

std::optional<HistoryStep> SettingsStore::historyStep(bool toUndo)
{
    m_failure = Failure::None;
    if (!hasHistory())
        return std::nullopt;
    std::optional<HistoryStep> found;
    bool whole = true;
    const bool read = run(toUndo ? "SELECT step, label, at, removed, inserted, dropped FROM history"
                                   " WHERE NOT undone ORDER BY step DESC LIMIT 1"
                                 : "SELECT step, label, at, removed, inserted, dropped FROM history"
                                   " WHERE undone ORDER BY step LIMIT 1",
                          {}, [&](sqlite3_stmt *stmt) {
                              HistoryStep step;
                              step.id = sqlite3_column_int64(stmt, 0);
                              step.label = columnText(stmt, 1);
                              step.at = sqlite3_column_int(stmt, 2);
                              const auto blob = [stmt](int column) {
                                  return notesFromBytes(QByteArray::fromRawData(
                                      static_cast<const char *>(sqlite3_column_blob(stmt, column)),
                                      sqlite3_column_bytes(stmt, column)));
                              };
                              const auto removed = blob(3);
                              const auto inserted = blob(4);
                              if (sqlite3_column_type(stmt, 5) != SQLITE_NULL)
                                  step.droppedText = columnText(stmt, 5);
                              whole = removed && inserted;
                              step.removed = removed.value_or(QList<Note>());
                              step.inserted = inserted.value_or(QList<Note>());
                              found = step;
                          });
    if (read && !whole) {
        m_failure = Failure::Damage;
        m_errorReason = tr("the store is damaged");
        return std::nullopt;
    }
    return read ? found : std::nullopt;
}

bool SettingsStore::markHistoryStep(qint64 id, bool undone)
{
    return run("UPDATE history SET undone = ?2 WHERE step = ?1", [&](sqlite3_stmt *stmt) {
        return sqlite3_bind_int64(stmt, 1, id) == SQLITE_OK &&
               sqlite3_bind_int(stmt, 2, undone) == SQLITE_OK;
    });
}

std::optional<std::pair<QString, QString>> SettingsStore::historyLabels()
{
    m_failure = Failure::None;
    std::pair<QString, QString> labels;
    if (!hasHistory())
        return m_failure == Failure::None || m_failure == Failure::Busy ? std::optional(labels)
                                                                        : std::nullopt;
    const bool read = run("SELECT label FROM history WHERE NOT undone ORDER BY step DESC LIMIT 1",
                          {}, [&](sqlite3_stmt *stmt) { labels.first = columnText(stmt, 0); }) &&
                      run("SELECT label FROM history WHERE undone ORDER BY step LIMIT 1", {},
                          [&](sqlite3_stmt *stmt) { labels.second = columnText(stmt, 0); });
    return read ? std::optional(labels) : std::nullopt;
}

bool SettingsStore::beginSavepoint()
{
    return run("SAVEPOINT history", {});
}

void SettingsStore::rollBackSavepoint()
{
    sqlite3_exec(m_db, "ROLLBACK TO history; RELEASE history", nullptr, nullptr, nullptr);
}
