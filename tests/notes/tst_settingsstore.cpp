// The settings store itself: where it lives, the file it makes, exact texts,
// and every way the file or its folder can be wrong.
#include "notes/settingslayout.h"
#include "notes/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <sys/stat.h>
#include <unistd.h>

namespace
{

const QString app = QStringLiteral("qbxlm120");

// A second, independent connection for looking at (or meddling with) the file.
class Raw
{
public:
    explicit Raw(const QString &path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    }
    ~Raw() { sqlite3_close_v2(db); }
    bool exec(const char *sql)
    {
        return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    QString text(const char *sql)
    {
        sqlite3_stmt *stmt = nullptr;
        QString result;
        if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW)
            result =
                QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
        return result;
    }
    sqlite3 *db = nullptr;
};

mode_t modeOf(const QString &path)
{
    struct stat st {
    };
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

StoredSettings sample(int n, const QString &tag)
{
    StoredSettings s;
    for (int k = 1; k <= n; ++k) {
        s.titles << QStringLiteral("%1 title %2").arg(tag).arg(k);
        s.contents << QStringLiteral("%1 body %2\nsecond line").arg(tag).arg(k);
    }
    s.mainlistsize = 9.75f;
    s.maintextboxsize = 12;
    return s;
}

// Saves a known store at path and returns what it holds.
StoredSettings seed(const QString &path, int n = 3)
{
    SettingsStore store(path);
    if (store.open() != SettingsStore::OpenResult::Opened)
        qWarning() << "seed open failed" << store.error();
    const StoredSettings s = sample(n, QStringLiteral("before"));
    loadsettings(store, app, 500);
    if (!savesettings(store, app, s))
        qWarning() << "seed save failed" << store.error();
    return s;
}

void compareSettings(const StoredSettings &got, const StoredSettings &want)
{
    QCOMPARE(got.titles, want.titles);
    QCOMPARE(got.contents, want.contents);
    QCOMPARE(got.mainlistsize, want.mainlistsize);
    QCOMPARE(got.maintextboxsize, want.maintextboxsize);
}

void expectUntouched(const QString &path, const StoredSettings &before)
{
    SettingsStore again(path);
    QCOMPARE(again.open(), SettingsStore::OpenResult::Opened);
    compareSettings(loadsettings(again, app, 500), before);
}

} // namespace

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void defaultPath();
    void newStoreShape();
    void fileModes_data();
    void fileModes();
    void emptyFileIsNew();
    void exactTexts();
    void emptyIsTextNotNull();
    void readSectionAndDelete();
    void transactionRollback();
    void garbageFileQuarantined();
    void truncatedDatabaseQuarantined();
    void wrongTableQuarantined();
    void quarantineNameTaken();
    void folderWhereFileShouldBe();
    void fileWhereFolderShouldBe();
    void readOnlyFolder();
    void readOnlyExistingStore();
    void lockedStore();
    void lockedAtOpenIsNotDamage();
    void saveCutShort();
};

void tst_SettingsStore::defaultPath()
{
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    const bool had = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/some/where");
    QCOMPARE(SettingsStore::defaultPath(), QStringLiteral("/some/where/quillbox/settings.db"));
    qputenv("XDG_CONFIG_HOME", "");
    QCOMPARE(SettingsStore::defaultPath(),
             QDir::homePath() + QStringLiteral("/.config/quillbox/settings.db"));
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(SettingsStore::defaultPath(),
             QDir::homePath() + QStringLiteral("/.config/quillbox/settings.db"));
    if (had)
        qputenv("XDG_CONFIG_HOME", old);
}

void tst_SettingsStore::newStoreShape()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/a/b/settings.db");
    SettingsStore store(path);
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    QVERIFY(store.isOpen());
    QVERIFY(store.quarantinedPath().isEmpty());
    Raw raw(path);
    QCOMPARE(raw.text("PRAGMA encoding"), QStringLiteral("UTF-16le"));
    QCOMPARE(raw.text("PRAGMA user_version"), QStringLiteral("1"));
    QCOMPARE(raw.text("SELECT count(*) FROM sqlite_schema WHERE type = 'table'"),
             QStringLiteral("1"));
    QCOMPARE(
        raw.text("SELECT group_concat(name || ':' || type || ':' || \"notnull\" || ':' || pk, ' ')"
                 " FROM pragma_table_info('settings')"),
        QStringLiteral("app:TEXT:1:1 section:TEXT:1:2 key:TEXT:1:3 value:TEXT:1:0"));
    QCOMPARE(raw.text("SELECT wr FROM pragma_table_list WHERE name = 'settings'"),
             QStringLiteral("1"));
    // Opening it again finds the same store.
    SettingsStore second(path);
    QCOMPARE(second.open(), SettingsStore::OpenResult::Opened);
}

void tst_SettingsStore::fileModes_data()
{
    QTest::addColumn<int>("mask");
    QTest::newRow("umask 022") << 022;
    QTest::newRow("umask 000") << 0;
    QTest::newRow("umask 077") << 077;
}

void tst_SettingsStore::fileModes()
{
    QFETCH(int, mask);
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/config/quillbox");
    const QString path = folder + QStringLiteral("/settings.db");
    const mode_t old = ::umask(mode_t(mask));
    SettingsStore store(path);
    const auto result = store.open();
    QVERIFY(savesettings(store, app, sample(2, QStringLiteral("m"))));
    ::umask(old);
    QCOMPARE(result, SettingsStore::OpenResult::Opened);
    QCOMPARE(modeOf(folder), mode_t(0700));
    QCOMPARE(modeOf(dir.path() + QStringLiteral("/config")), mode_t(0700));
    QCOMPARE(modeOf(path), mode_t(0600));
}

void tst_SettingsStore::emptyFileIsNew()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/settings.db");
    writeAll(path, {});
    SettingsStore store(path);
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    QVERIFY(store.quarantinedPath().isEmpty());
    QVERIFY(store.write(app, QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("settings.db")});
    Raw raw(path);
    QCOMPARE(raw.text("PRAGMA encoding"), QStringLiteral("UTF-16le"));
}

void tst_SettingsStore::exactTexts()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/settings.db");
    const QList<QString> values = {
        QString(),
        QStringLiteral(""),
        QString(QChar(0)),
        QStringLiteral("a") + QChar(0) + QStringLiteral("b") + QChar(0),
        QString(QChar(0xD800)),                      // lone high surrogate
        QString(QChar(0xDC00)),                      // lone low surrogate
        QString(QChar(0xDC00)) + QChar(0xD800),      // swapped pair
        QStringLiteral("x") + QChar(0xDBFF),         // high surrogate at the end
        QString::fromUtf8("\xF0\x9F\x98\x80 emoji"), // a proper pair
        QStringLiteral("\r\n\r\n \t trailing  "),
        QString(QChar(0xFEFF)) + QStringLiteral("bom"),     // SQLite reads a leading mark as
        QString(QChar(0xFFFE)) + QStringLiteral("swapped"), // a byte-order mark: must survive
        QString(QChar(0xFEFF)) + QChar(0xFEFF),
        QString(QChar(0xFEFF)),
        QString(QChar(0xFFFE)),
        QString(QChar(0xFFFF)) + QChar(0xFFFE),
        QString::fromUtf8("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D e\xCC\x81"),
    };
    {
        SettingsStore store(path);
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        for (int i = 0; i < values.size(); ++i) {
            QVERIFY(store.write(app, QStringLiteral("s"), QStringLiteral("k%1").arg(i), values[i]));
            // Keys and sections are exact too.
            QVERIFY(store.write(app, values[i], values[i], values[i]));
        }
    }
    SettingsStore store(path); // a fresh connection
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    for (int i = 0; i < values.size(); ++i) {
        const QString got =
            store.read(app, QStringLiteral("s"), QStringLiteral("k%1").arg(i), QStringLiteral("?"));
        QVERIFY2(got.size() == values[i].size(), qPrintable(QString::number(i)));
        QCOMPARE(got, values[i]);
        QCOMPARE(store.read(app, values[i], values[i], QStringLiteral("?")), values[i]);
    }
    // Sections and keys that differ only after a NUL stay apart.
    QVERIFY(store.write(app, QStringLiteral("n"),
                        QStringLiteral("a") + QChar(0) + QStringLiteral("1"), "one"));
    QVERIFY(store.write(app, QStringLiteral("n"),
                        QStringLiteral("a") + QChar(0) + QStringLiteral("2"), "two"));
    QCOMPARE(store.readSection(app, QStringLiteral("n")).size(), 2);
    QCOMPARE(store.read(app, QStringLiteral("n"), QStringLiteral("a"), QStringLiteral("absent")),
             QStringLiteral("absent"));
}

void tst_SettingsStore::emptyIsTextNotNull()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/settings.db");
    SettingsStore store(path);
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    QVERIFY(store.write(app, QStringLiteral("s"), QStringLiteral("null"), QString()));
    QVERIFY(store.write(app, QStringLiteral("s"), QStringLiteral("empty"), QStringLiteral("")));
    Raw raw(path);
    QCOMPARE(raw.text("SELECT group_concat(typeof(value) || length(value), ',') FROM settings"),
             QStringLiteral("text0,text0"));
    QCOMPARE(store.read(app, QStringLiteral("s"), QStringLiteral("null"), QStringLiteral("?")),
             QString());
    QVERIFY(!store.read(app, QStringLiteral("s"), QStringLiteral("null"), QStringLiteral("?"))
                 .isNull());
}

void tst_SettingsStore::readSectionAndDelete()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path() + QStringLiteral("/settings.db"));
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    QVERIFY(store.write(app, "a", "k1", "v1"));
    QVERIFY(store.write(app, "a", "k2", "v2"));
    QVERIFY(store.write(app, "a", "k1", "v1b")); // replaces
    QVERIFY(store.write(app, "b", "k1", "other section"));
    QVERIFY(store.write("otherapp", "a", "k1", "other app"));
    auto rows = store.readSection(app, "a");
    std::sort(rows.begin(), rows.end());
    QCOMPARE(rows, (QList<std::pair<QString, QString>>{{"k1", "v1b"}, {"k2", "v2"}}));
    QVERIFY(store.deleteSection(app, "a"));
    QVERIFY(store.readSection(app, "a").isEmpty());
    QVERIFY(store.deleteSection(app, "never there")); // nothing to delete is fine
    QCOMPARE(store.read(app, "b", "k1", "?"), QStringLiteral("other section"));
    QCOMPARE(store.read("otherapp", "a", "k1", "?"), QStringLiteral("other app"));
}

void tst_SettingsStore::transactionRollback()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path() + QStringLiteral("/settings.db"));
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    QVERIFY(store.write(app, "a", "k", "kept"));
    QVERIFY(store.begin());
    QVERIFY(store.write(app, "a", "k", "changed"));
    QVERIFY(store.write(app, "a", "k2", "new"));
    store.rollback();
    QCOMPARE(store.read(app, "a", "k", "?"), QStringLiteral("kept"));
    QCOMPARE(store.read(app, "a", "k2", "absent"), QStringLiteral("absent"));
    QVERIFY(store.begin());
    QVERIFY(store.write(app, "a", "k2", "new"));
    QVERIFY(store.commit());
    QCOMPARE(store.read(app, "a", "k2", "absent"), QStringLiteral("new"));
}

void tst_SettingsStore::garbageFileQuarantined()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/settings.db");
    const QByteArray garbage = QByteArray("this is no database, just words\n").repeated(300);
    writeAll(path, garbage);
    SettingsStore store(path);
    QCOMPARE(store.open(), SettingsStore::OpenResult::Quarantined);
    const QString aside = store.quarantinedPath();
    QVERIFY(aside.startsWith(path + QStringLiteral(".damaged-")));
    QCOMPARE(readAll(aside), garbage);
    QVERIFY(store.isOpen());
    const StoredSettings loaded = loadsettings(store, app, 500);
    QCOMPARE(loaded.titles.size(), 0);
    QVERIFY(savesettings(store, app, sample(1, "fresh")));
    QCOMPARE(modeOf(path), mode_t(0600));
    QCOMPARE(readAll(aside), garbage);
}

void tst_SettingsStore::truncatedDatabaseQuarantined()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/settings.db");
    // Enough notes to take many pages.
    StoredSettings big = sample(200, "big");
    for (QString &c : big.contents)
        c = c.repeated(200);
    {
        SettingsStore store(path);
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        QVERIFY(savesettings(store, app, big));
    }
    const QByteArray whole = readAll(path);
    QVERIFY(whole.size() > 100000);
    const QByteArray half = whole.left(whole.size() / 2);
    writeAll(path, half);
    SettingsStore store(path);
    QCOMPARE(store.open(), SettingsStore::OpenResult::Quarantined);
    QCOMPARE(readAll(store.quarantinedPath()), half);
    QCOMPARE(loadsettings(store, app, 500).titles.size(), 0);
}

void tst_SettingsStore::wrongTableQuarantined()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/settings.db");
    {
        Raw raw(dir.path() + QStringLiteral("/made.db"));
        QVERIFY(raw.exec("CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT)"));
        QVERIFY(raw.exec("INSERT INTO settings VALUES ('a', 'b')"));
    }
    QVERIFY(QFile::rename(dir.path() + QStringLiteral("/made.db"), path));
    const QByteArray before = readAll(path);
    SettingsStore store(path);
    QCOMPARE(store.open(), SettingsStore::OpenResult::Quarantined);
    QCOMPARE(readAll(store.quarantinedPath()), before);
    Raw check(store.quarantinedPath());
    QCOMPARE(check.text("SELECT value FROM settings"), QStringLiteral("b"));

    // Another table but no settings table: not ours either.
    const QString other = dir.path() + QStringLiteral("/other.db");
    {
        Raw raw(other);
        QVERIFY(raw.exec("CREATE TABLE notes (x)"));
    }
    SettingsStore second(other);
    QCOMPARE(second.open(), SettingsStore::OpenResult::Quarantined);

    // A store made by hand with the sqlite3 tool (UTF-8, same table) is accepted.
    const QString byHand = dir.path() + QStringLiteral("/byhand.db");
    {
        Raw raw(byHand);
        QVERIFY(raw.exec(
            "CREATE TABLE settings (app TEXT NOT NULL, section TEXT NOT NULL, key TEXT NOT NULL,"
            " value TEXT NOT NULL, PRIMARY KEY (app, section, key)) WITHOUT ROWID"));
        QVERIFY(raw.exec("INSERT INTO settings VALUES ('qbxlm120', 'general', 'notetotal', '1'),"
                         " ('qbxlm120', 'notes', 'notetitle1', 'héllo')"));
    }
    SettingsStore third(byHand);
    QCOMPARE(third.open(), SettingsStore::OpenResult::Opened);
    QCOMPARE(loadsettings(third, app, 500).titles, QList<QString>{QStringLiteral("héllo")});
}

void tst_SettingsStore::quarantineNameTaken()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/settings.db");
    QSet<QString> asides;
    for (int i = 0; i < 3; ++i) {
        writeAll(path, QByteArray("garbage ") + QByteArray::number(i));
        SettingsStore store(path);
        QCOMPARE(store.open(), SettingsStore::OpenResult::Quarantined);
        QCOMPARE(readAll(store.quarantinedPath()), QByteArray("garbage ") + QByteArray::number(i));
        asides.insert(store.quarantinedPath());
    }
    QCOMPARE(asides.size(), 3); // never one over another, even within one second
}

void tst_SettingsStore::folderWhereFileShouldBe()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/settings.db");
    QVERIFY(QDir().mkpath(path));
    SettingsStore store(path);
    QCOMPARE(store.open(), SettingsStore::OpenResult::Failed);
    QVERIFY(!store.isOpen());
    QVERIFY2(store.error().contains(QStringLiteral("a folder stands where the file should be")),
             qPrintable(store.error()));
    QVERIFY(QFileInfo(path).isDir()); // left alone
}

void tst_SettingsStore::fileWhereFolderShouldBe()
{
    QTemporaryDir dir;
    writeAll(dir.path() + QStringLiteral("/quillbox"), "a plain file");
    SettingsStore store(dir.path() + QStringLiteral("/quillbox/settings.db"));
    QCOMPARE(store.open(), SettingsStore::OpenResult::Failed);
    QVERIFY2(store.error().contains(QStringLiteral("a file stands where the folder")),
             qPrintable(store.error()));
    QCOMPARE(readAll(dir.path() + QStringLiteral("/quillbox")), QByteArray("a plain file"));
}

void tst_SettingsStore::readOnlyFolder()
{
    if (::geteuid() == 0)
        QSKIP("running as root: permission bits do not stop root, so a read-only folder cannot be "
              "made");
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/quillbox");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0500) == 0);
    SettingsStore store(folder + QStringLiteral("/settings.db"));
    QCOMPARE(store.open(), SettingsStore::OpenResult::Failed);
    QVERIFY2(store.error().contains(QStringLiteral("read-only")), qPrintable(store.error()));

    // A folder that cannot be made: its parent is read-only.
    SettingsStore deeper(folder + QStringLiteral("/sub/settings.db"));
    QCOMPARE(deeper.open(), SettingsStore::OpenResult::Failed);
    QVERIFY2(deeper.error().contains(QStringLiteral("read-only")), qPrintable(deeper.error()));
    ::chmod(QFile::encodeName(folder).constData(), 0700);
}

void tst_SettingsStore::readOnlyExistingStore()
{
    if (::geteuid() == 0)
        QSKIP("running as root: permission bits do not stop root, so a read-only store cannot be "
              "made");
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/quillbox");
    const QString path = folder + QStringLiteral("/settings.db");
    const StoredSettings before = seed(path);
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0400) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0500) == 0);
    {
        SettingsStore store(path);
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        compareSettings(loadsettings(store, app, 500), before);
        QVERIFY(!savesettings(store, app, sample(1, "after")));
        QVERIFY2(store.error().contains(QStringLiteral("read-only")), qPrintable(store.error()));
    }
    ::chmod(QFile::encodeName(folder).constData(), 0700);
    ::chmod(QFile::encodeName(path).constData(), 0600);
    expectUntouched(path, before);
}

void tst_SettingsStore::lockedStore()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/settings.db");
    const StoredSettings before = seed(path);
    SettingsStore store(path);
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    loadsettings(store, app, 500);
    {
        Raw other(path);
        QVERIFY(other.exec("BEGIN EXCLUSIVE"));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!savesettings(store, app, sample(5, "after")));
        QVERIFY2(timer.elapsed() >= 2500, "the busy timeout is a few seconds");
        QVERIFY2(timer.elapsed() < 10000, "gives up after the busy timeout");
        QVERIFY2(store.error().contains(QStringLiteral("locked by another program")),
                 qPrintable(store.error()));
        other.exec("ROLLBACK");
    }
    // The same connection works again once the lock is gone.
    expectUntouched(path, before);
    QVERIFY(savesettings(store, app, sample(5, "after")));
    expectUntouched(path, sample(5, "after"));
}

void tst_SettingsStore::lockedAtOpenIsNotDamage()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/settings.db");
    const StoredSettings before = seed(path);
    {
        Raw other(path);
        QVERIFY(other.exec("BEGIN EXCLUSIVE"));
        QVERIFY(
            other.exec("INSERT INTO settings VALUES ('x', 'y', 'z', 'w')")); // takes the lock now
        SettingsStore store(path);
        QCOMPARE(store.open(), SettingsStore::OpenResult::Failed);
        QVERIFY2(store.error().contains(QStringLiteral("locked by another program")),
                 qPrintable(store.error()));
        QVERIFY(store.quarantinedPath().isEmpty());
        other.exec("ROLLBACK");
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("settings.db")});
    expectUntouched(path, before);
}

void tst_SettingsStore::saveCutShort()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/settings.db");
    const StoredSettings before = seed(path, 4);
    SettingsStore store(path);
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    loadsettings(store, app, 500);
    {
        Raw other(path);
        QVERIFY(other.exec("CREATE TRIGGER failsave BEFORE INSERT ON settings"
                           " WHEN NEW.key = 'notetitle3' BEGIN SELECT RAISE(ABORT, 'x'); END"));
    }
    QVERIFY(!savesettings(store, app, sample(6, "after")));
    QVERIFY2(!store.error().isEmpty(), "says why");
    {
        Raw other(path);
        QVERIFY(other.exec("DROP TRIGGER failsave"));
    }
    // Everything as the seed left it, "temp" from the load included.
    expectUntouched(path, before);
    Raw raw(path);
    QCOMPARE(raw.text("SELECT value FROM settings WHERE section = 'notes' AND key = 'temp'"),
             QStringLiteral("-"));
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
