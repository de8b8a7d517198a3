// The settings store itself: the file it makes, exact texts, and every way
// the file or its folder can be wrong.
#include "notes/settingslayout.h"
#include "notes/settingsstore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sqlite3.h>

#include <sys/stat.h>
#include <unistd.h>

namespace
{

const QString app = QStringLiteral("qbxlm120");

// A second, independent connection for looking at (or meddling with) the file.
struct Raw {
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
    // Every row, in key order.
    QString dump()
    {
        return text("SELECT group_concat(app||section||key||'='||value, '|') FROM settings");
    }
    sqlite3 *db = nullptr;
};

QString chars(std::initializer_list<char16_t> units)
{
    return QString(reinterpret_cast<const QChar *>(units.begin()), qsizetype(units.size()));
}

mode_t modeOf(const QString &path)
{
    struct stat st = {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

int chmodTo(const QString &path, mode_t mode)
{
    return ::chmod(QFile::encodeName(path).constData(), mode);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

StoredSettings sample(int n, const QString &tag)
{
    StoredSettings s;
    for (int k = 1; k <= n; ++k) {
        s.titles << QStringLiteral("%1 title %2").arg(tag).arg(k);
        s.contents << QStringLiteral("%1 body %2\nsecond line").arg(tag).arg(k);
    }
    s.mainlistsize = 9.75f;
    return s;
}

const QByteArray storeTable = "CREATE TABLE settings (app TEXT NOT NULL, section TEXT NOT NULL,"
                              " key TEXT NOT NULL, value TEXT NOT NULL,"
                              " PRIMARY KEY (app, section, key)) WITHOUT ROWID;";

// The bytes of a database made by hand in a scratch folder.
QByteArray madeDatabase(const QByteArray &sql)
{
    QTemporaryDir dir;
    {
        Raw raw(dir.path() + QStringLiteral("/made.db"));
        if (!raw.exec(sql.constData()))
            qWarning("could not make the database");
    }
    return readAll(dir.path() + QStringLiteral("/made.db"));
}

bool seed(const QString &file)
{
    SettingsStore store(file);
    return store.open() == SettingsStore::OpenResult::Opened &&
           savesettings(store, app, sample(4, "before"));
}

} // namespace

class tst_SettingsStore : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path() const { return dir.path() + QStringLiteral("/settings.db"); }

private slots:
    void init() { QVERIFY(dir.isValid()); }
    void cleanup()
    {
        chmodTo(dir.path() + QStringLiteral("/quillbox"), 0700);
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
    }

    void defaultPath()
    {
        const QByteArray old = qgetenv("XDG_CONFIG_HOME");
        const bool had = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        const QString home = QDir::homePath() + QStringLiteral("/.config/quillbox/settings.db");
        qputenv("XDG_CONFIG_HOME", "/some/where");
        QCOMPARE(SettingsStore::defaultPath(), QStringLiteral("/some/where/quillbox/settings.db"));
        qputenv("XDG_CONFIG_HOME", "");
        QCOMPARE(SettingsStore::defaultPath(), home);
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(SettingsStore::defaultPath(), home);
        if (had)
            qputenv("XDG_CONFIG_HOME", old);
    }

    void newStore_data()
    {
        QTest::addColumn<int>("mask");
        QTest::newRow("umask 022") << 022;
        QTest::newRow("umask 000") << 0;
        QTest::newRow("umask 077") << 077;
    }

    // Private folders and file, whatever the umask, and the table as expected.
    void newStore()
    {
        QFETCH(int, mask);
        const QString folder = dir.path() + QStringLiteral("/config/quillbox");
        const mode_t old = ::umask(mode_t(mask));
        SettingsStore store(folder + QStringLiteral("/settings.db"));
        const auto result = store.open();
        const bool saved = savesettings(store, app, sample(2, "m"));
        ::umask(old);
        QCOMPARE(result, SettingsStore::OpenResult::Opened);
        QVERIFY(saved);
        QCOMPARE(modeOf(folder), mode_t(0700));
        QCOMPARE(modeOf(dir.path() + QStringLiteral("/config")), mode_t(0700));
        QCOMPARE(modeOf(store.path()), mode_t(0600));
        Raw raw(store.path());
        QCOMPARE(raw.text("PRAGMA encoding"), QStringLiteral("UTF-16le"));
        QCOMPARE(raw.text("PRAGMA user_version"), QStringLiteral("1"));
        QCOMPARE(raw.text("SELECT count(*) FROM sqlite_schema WHERE type = 'table'"),
                 QStringLiteral("1"));
        QCOMPARE(raw.text("SELECT group_concat(name||':'||type||':'||\"notnull\"||':'||pk, ' ')"
                          " FROM pragma_table_info('settings')"),
                 QStringLiteral("app:TEXT:1:1 section:TEXT:1:2 key:TEXT:1:3 value:TEXT:1:0"));
        QCOMPARE(raw.text("SELECT wr FROM pragma_table_list WHERE name = 'settings'"),
                 QStringLiteral("1"));
        SettingsStore second(store.path());
        QCOMPARE(second.open(), SettingsStore::OpenResult::Opened);

        // A store made open to others, by hand or by an older copy, is made
        // private again.
        chmodTo(store.path(), 0644);
        SettingsStore third(store.path());
        QCOMPARE(third.open(), SettingsStore::OpenResult::Opened);
        QCOMPARE(modeOf(store.path()), mode_t(0600));
        chmodTo(folder, 0755);
        SettingsStore fourth(store.path());
        QCOMPARE(fourth.open(), SettingsStore::OpenResult::Opened);
        QCOMPARE(modeOf(folder), mode_t(0700));
    }

    // Values, keys and sections read back exactly, through a fresh connection.
    void exactTexts()
    {
        // clang-format off
        const QList<QString> values = {
            QString(), chars({0}), chars({'a', 0, 'b', 0}), chars({0xD800}), chars({0xDC00}),
            chars({0xDC00, 0xD800}), chars({'x', 0xDBFF}), chars({0xD83D, 0xDE00, ' ', 'e'}),
            chars({'\r', '\n', '\r', '\n', ' ', '\t', ' ', ' '}), chars({0xFEFF, 'b', 'o', 'm'}),
            chars({0xFFFE, 's'}), chars({0xFEFF, 0xFEFF}), chars({0xFEFF}), chars({0xFFFE}),
            chars({0xFFFF, 0xFFFE}), chars({0x5E9, 0x5DC, ' ', 'e', 0x301})};
        // clang-format on
        {
            SettingsStore store(path());
            QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
            for (int i = 0; i < values.size(); ++i) {
                QVERIFY(store.write(app, "s", QStringLiteral("k%1").arg(i), values[i]));
                QVERIFY(store.write(app, values[i], values[i], values[i]));
            }
        }
        SettingsStore store(path());
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        for (int i = 0; i < values.size(); ++i) {
            const QString got = store.read(app, "s", QStringLiteral("k%1").arg(i), "?");
            QCOMPARE(got.size(), values[i].size());
            QCOMPARE(got, values[i]);
            QVERIFY(!got.isNull()); // an empty value is there, not missing
            QCOMPARE(store.read(app, values[i], values[i], "?"), values[i]);
        }
        // Keys that differ only after a NUL stay apart.
        QVERIFY(store.write(app, "n", QStringLiteral("a") + QChar(0) + QStringLiteral("1"), "one"));
        QVERIFY(store.write(app, "n", QStringLiteral("a") + QChar(0) + QStringLiteral("2"), "two"));
        QCOMPARE(store.readSection(app, "n").size(), 2);
        QCOMPARE(store.read(app, "n", "a", "absent"), QStringLiteral("absent"));
    }

    void sectionsAndAppsStayApart()
    {
        SettingsStore store(path());
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        QVERIFY(store.write(app, "a", "k1", "v1") && store.write(app, "a", "k2", "v2"));
        QVERIFY(store.write(app, "a", "k1", "v1b")); // replaces
        QVERIFY(store.write(app, "b", "k1", "other section"));
        QVERIFY(store.write("otherapp", "a", "k1", "other app"));
        auto rows = store.readSection(app, "a");
        std::sort(rows.begin(), rows.end());
        QCOMPARE(rows, (QList<std::pair<QString, QString>>{{"k1", "v1b"}, {"k2", "v2"}}));
        QVERIFY(store.deleteSection(app, "a"));
        QVERIFY(store.readSection(app, "a").isEmpty());
        QVERIFY(store.deleteSection(app, "never there"));
        QCOMPARE(store.read(app, "b", "k1", "?"), QStringLiteral("other section"));
        QCOMPARE(store.read("otherapp", "a", "k1", "?"), QStringLiteral("other app"));
    }

    // The bytes in use bound the texts the store holds, and shrink back when
    // they are deleted (the freed pages are not counted).
    void bytesInUseBoundTheTexts()
    {
        SettingsStore store(path());
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        const qint64 empty = store.bytesInUse();
        QVERIFY(empty > 0);
        const QString body(100000, QChar(0x263A));
        for (int i = 0; i < 10; ++i)
            QVERIFY(store.write(app, "notes", QStringLiteral("k%1").arg(i), body));
        const qint64 full = store.bytesInUse();
        QVERIFY2(full >= 10 * body.size() * 2, qPrintable(QString::number(full)));
        QVERIFY(full <= QFileInfo(path()).size());
        QVERIFY(store.deleteSection(app, "notes"));
        QVERIFY(store.bytesInUse() < full / 10);
        SettingsStore unopened(path());
        QCOMPARE(unopened.bytesInUse(), qint64(0));
    }

    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<QStringList>("titles");
        const QByteArray store = madeDatabase(
            storeTable + "WITH RECURSIVE c(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM c WHERE i"
                         " < 2000) INSERT INTO settings SELECT 'qbxlm120', 'notes', i, hex("
                         "randomblob(100)) FROM c");
        QVERIFY(store.size() > 100000); // many pages
        QTest::newRow("garbage") << QByteArray("no database, just words\n").repeated(300) << true
                                 << QStringList();
        QTest::newRow("truncated") << store.left(store.size() / 2) << true << QStringList();
        QTest::newRow("settings table of another shape")
            << madeDatabase("CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT);"
                            "INSERT INTO settings VALUES ('a', 'b')")
            << true << QStringList();
        QTest::newRow("no settings table")
            << madeDatabase("CREATE TABLE notes (x)") << true << QStringList();
        QTest::newRow("empty file") << QByteArray() << false << QStringList();
        QTest::newRow("made by hand in UTF-8")
            << madeDatabase(storeTable + "INSERT INTO settings VALUES"
                                         " ('qbxlm120', 'general', 'notetotal', '1'),"
                                         " ('qbxlm120', 'notes', 'notetitle1', 'héllo')")
            << false << QStringList{QStringLiteral("héllo")};
    }

    // A file that is no sound store is set aside unchanged and a fresh one
    // made, never over an earlier one, even within one second; an empty file
    // or a sound one made by other means is used.
    void damagedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, damaged);
        QFETCH(QStringList, titles);
        QSet<QString> asides;
        for (int round = 1; round <= (damaged ? 3 : 1); ++round) {
            QVERIFY(writeAll(path(), bytes));
            SettingsStore store(path());
            QCOMPARE(store.open(), damaged ? SettingsStore::OpenResult::Quarantined
                                           : SettingsStore::OpenResult::Opened);
            QVERIFY(store.isOpen());
            asides.insert(store.quarantinedPath());
            QCOMPARE(store.quarantinedPath().startsWith(path() + ".damaged-"), damaged);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), damaged ? 1 + round : 1);
            QCOMPARE(loadsettings(store, app, 500).titles, titles);
            QVERIFY(savesettings(store, app, sample(1, "fresh")));
        }
        for (const QString &aside : asides)
            QVERIFY(!damaged || readAll(aside) == bytes);
        if (damaged)
            QCOMPARE(modeOf(path()), mode_t(0600)); // the fresh store is private
    }

    void unusablePaths_data()
    {
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("make");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        auto row = [](const char *name, const char *blocker, const char *make, const char *file,
                      const char *reason) {
            QTest::newRow(name) << QString(blocker) << QString(make) << QString(file)
                                << QString(reason);
        };
        row("folder where the file should be", "settings.db", "folder", "settings.db",
            "a folder stands where the file should be");
        row("file where the folder should be", "quillbox", "file", "quillbox/settings.db",
            "a file stands where the folder");
        row("read-only folder", "quillbox", "read-only", "quillbox/settings.db", "read-only");
        row("folder in a read-only one", "quillbox", "read-only", "quillbox/sub/settings.db",
            "read-only");
        // Another program holding the file is no damage: nothing is set aside.
        row("store locked by another program", "settings.db", "locked", "settings.db",
            "locked by another program");
    }

    // The open fails with a reason and leaves what stands in the way alone.
    void unusablePaths()
    {
        QFETCH(QString, blocker);
        QFETCH(QString, make);
        QFETCH(QString, file);
        QFETCH(QString, reason);
        const QString name = blocker;
        blocker = dir.path() + u'/' + blocker;
        std::unique_ptr<Raw> other;
        QString before;
        if (make == QLatin1String("file")) {
            QVERIFY(writeAll(blocker, "a plain file"));
        } else if (make == QLatin1String("locked")) {
            QVERIFY(seed(blocker));
            other = std::make_unique<Raw>(blocker);
            before = other->dump();
            QVERIFY(
                other->exec("BEGIN EXCLUSIVE; INSERT INTO settings VALUES ('x', 'y', 'z', 'w')"));
        } else {
            if (make != QLatin1String("folder") && ::geteuid() == 0)
                QSKIP("running as root: permission bits do not stop root");
            QVERIFY(QDir().mkpath(blocker));
            QCOMPARE(chmodTo(blocker, make == QLatin1String("folder") ? 0700 : 0500), 0);
        }
        SettingsStore store(dir.path() + u'/' + file);
        QCOMPARE(store.open(), SettingsStore::OpenResult::Failed);
        QVERIFY(!store.isOpen());
        QVERIFY2(store.error().contains(reason), qPrintable(store.error()));
        QVERIFY(store.quarantinedPath().isEmpty());
        if (other)
            QVERIFY(other->exec("ROLLBACK"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{name});
        if (make == QLatin1String("file"))
            QCOMPARE(readAll(blocker), "a plain file");
        else
            QVERIFY(other ? other->dump() == before : QDir(blocker).isEmpty());
    }

    void failedSave_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("reason");
        QTest::newRow("locked by another program")
            << QStringLiteral("lock") << QStringLiteral("locked by another program");
        QTest::newRow("cut short half-way") << QStringLiteral("trigger") << QString();
        QTest::newRow("read-only store")
            << QStringLiteral("read-only") << QStringLiteral("read-only");
    }

    // A save that fails says why and leaves every row as it was.
    void failedSave()
    {
        QFETCH(QString, cause);
        QFETCH(QString, reason);
        if (cause == QLatin1String("read-only") && ::geteuid() == 0)
            QSKIP("running as root: permission bits do not stop root");
        const QString folder = dir.path() + QStringLiteral("/quillbox");
        const QString file = folder + QStringLiteral("/settings.db");
        QVERIFY(seed(file));
        Raw other(file);
        if (cause == QLatin1String("read-only"))
            QVERIFY(chmodTo(file, 0400) == 0 && chmodTo(folder, 0500) == 0);
        SettingsStore store(file);
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        QCOMPARE(loadsettings(store, app, 500).titles, sample(4, "before").titles);
        const QString before = other.dump();
        if (cause == QLatin1String("lock"))
            QVERIFY(other.exec("BEGIN EXCLUSIVE"));
        if (cause == QLatin1String("trigger"))
            QVERIFY(other.exec("CREATE TRIGGER failsave BEFORE INSERT ON settings"
                               " WHEN NEW.key = 'notetitle3' BEGIN SELECT RAISE(ABORT, 'x'); END"));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!savesettings(store, app, sample(6, "after")));
        const qint64 took = timer.elapsed();
        QVERIFY(!store.error().isEmpty());
        QVERIFY2(store.error().contains(reason), qPrintable(store.error()));
        other.exec(cause == QLatin1String("lock") ? "ROLLBACK" : "DROP TRIGGER IF EXISTS failsave");
        chmodTo(folder, 0700);
        chmodTo(file, 0600);
        QCOMPARE(other.dump(), before);
        if (cause == QLatin1String("lock")) {
            // Waits the busy timeout of a few seconds, then gives up; the
            // same connection saves once the lock is gone.
            QVERIFY2(took >= 2500 && took < 10000, qPrintable(QString::number(took)));
            QVERIFY(savesettings(store, app, sample(6, "after")));
            QVERIFY(other.dump() != before);
        }
    }
};

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
