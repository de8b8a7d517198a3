// The settings store itself: the file it makes, exact texts, and every way
// the file or its folder can be wrong. Guards against: a store others can
// read, a right given that the user took away, a text changed on its way
// through SQLite, a damaged file written over or lost, a save that
// half-happens, and a lock that holds the program up.
#include "core/settingsstore.h"
#include "storefile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

namespace
{

const QString app = QStringLiteral("qbxlm120");

int modeOf(const QString &path)
{
    struct stat st = {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return int(st.st_mode & 07777);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void privateModes_data()
    {
        for (const char *column : {"umask", "fileMode", "privateMode"}) // fileMode 0: a new store
            QTest::addColumn<int>(column);
        // clang-format off
        QTest::newRow("new, umask 022") << 022 << 0 << 0600;
        QTest::newRow("new, umask 077") << 077 << 0 << 0600;
        QTest::newRow("readable by all") << 022 << 0644 << 0600;
        QTest::newRow("read-only for all") << 022 << 0444 << 0400;
        // clang-format on
    }

    // Every folder made and the file are the owner's alone; an existing pair
    // loses others' rights and gains none.
    void privateModes()
    {
        QFETCH(int, umask);
        QFETCH(int, fileMode);
        StoreFile file;
        const QString path = file.folder() + QStringLiteral("/deeper/settings.db");
        if (fileMode) {
            SettingsStore(path).open();
            ::chmod(QFile::encodeName(path).constData(), mode_t(fileMode));
            ::chmod(QFile::encodeName(file.folder() + "/deeper").constData(), 0755);
        }
        const mode_t old = ::umask(mode_t(umask));
        SettingsStore store(path);
        const auto opened = store.open();
        ::umask(old);
        QCOMPARE(opened, SettingsStore::OpenResult::Opened);
        QTEST(modeOf(path), "privateMode");
        QCOMPARE(modeOf(file.folder()) + modeOf(file.folder() + "/deeper"), 0700 + 0700);
    }

    // Values, keys and sections come back exactly, through a new connection
    // (SQLite takes a leading U+FEFF or U+FFFE for a byte-order mark); a
    // section is replaced by exactly its new entries.
    void exactTexts()
    {
        const QStringList texts = {QString(), QString(QChar(0)) + "b", QString(QChar(0xFEFF)),
                                   QString(QChar(0xFFFE)) + "s", QString(QChar(0xD800)) + "\r\n"};
        StoreFile file;
        {
            SettingsStore store(file.path());
            QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
            for (const QString &text : texts)
                QVERIFY(store.write(app, text, text, text));
            QVERIFY(store.write(app, "s", "stale", "x"));
            QVERIFY(store.replaceSection(app, "s", {{"a", "1"}, {"b", "2"}, {"a", "last"}}));
        }
        SettingsStore store(file.path());
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        for (const QString &text : texts)
            QCOMPARE(store.readSection(app, text), (QList<SettingsStore::Entry>{{text, text}}));
        QCOMPARE(store.readSection(app, "s"),
                 (QList<SettingsStore::Entry>{{"a", "last"}, {"b", "2"}}));
    }

    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("damaged");
        StoreFile sound, other;
        sound.seed(QList<Note>(200, {QString(200, u'x'), QString(400, u'y')}));
        const QByteArray store = readFile(sound.path());
        QVERIFY(QDir().mkpath(other.folder()) &&
                other.exec("CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT)"));
        // clang-format off
        QTest::newRow("garbage") << QByteArray("no database\n").repeated(300) << true;
        QTest::newRow("truncated") << store.left(store.size() / 2) << true;
        QTest::newRow("a table of another shape") << readFile(other.path()) << true;
        QTest::newRow("empty file") << QByteArray() << false;
        // clang-format on
    }

    // A file that is no sound store is set aside untouched, never over an
    // earlier one set aside within the same second, and a new one is made.
    void damagedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, damaged);
        StoreFile file;
        QSet<QString> asides;
        for (int round = 1; round <= 2; ++round) {
            QVERIFY(writeFile(file.path(), bytes));
            SettingsStore store(file.path());
            QCOMPARE(store.open(), damaged ? SettingsStore::OpenResult::Quarantined
                                           : SettingsStore::OpenResult::Opened);
            QVERIFY(store.write(app, "s", "k", "v"));
            if (damaged)
                asides.insert(store.quarantinedPath());
        }
        QCOMPARE(asides.size(), damaged ? 2 : 0);
        for (const QString &aside : asides)
            QCOMPARE(readFile(aside), bytes);
        QCOMPARE(modeOf(file.path()), 0600);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<bool>("atOpen");
        QTest::addColumn<QString>("reason");
        // clang-format off
        QTest::newRow("folder where the file should be") << "folder" << true << "a folder stands where the file should be";
        QTest::newRow("file where the folder should be") << "file" << true << "a file stands where the folder";
        QTest::newRow("read-only folder, no store") << "read-only" << true << "read-only";
        QTest::newRow("locked at open") << "lock" << true << "locked by another program";
        QTest::newRow("locked at save") << "lock" << false << "locked by another program";
        QTest::newRow("refused half-way") << "trigger" << false << "refused the change";
        // clang-format on
    }

    // An open or a save that fails says why, waits for a lock once, briefly,
    // and leaves what it found as it was.
    void failures()
    {
        QFETCH(QString, cause);
        QFETCH(bool, atOpen);
        StoreFile file;
        if (cause == "file")
            QVERIFY(writeFile(file.folder(), "a plain file"));
        else if (cause == "folder")
            QVERIFY(QDir().mkpath(file.path()));
        else if (!atOpen || cause == "lock")
            file.seed(numberedNotes(4));
        QVERIFY(QDir().mkpath(file.folder()) || cause == "file");
        const QStringList before = file.keys("notes");
        SettingsStore store(file.path());
        if (!atOpen)
            QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        ReadOnlyFolder readOnly(cause == "read-only" ? file.folder() : QString());
        if (cause == "read-only" && !readOnly.isReadOnly())
            QSKIP("no way to make a folder read-only here");
        if (cause == "lock")
            QVERIFY(atOpen ? file.lock()
                           : file.exec("BEGIN IMMEDIATE")); // readers go on under a writer
        if (cause == "trigger")
            QVERIFY(file.exec("CREATE TRIGGER no BEFORE INSERT ON settings WHEN NEW.key = 'k3'"
                              " BEGIN SELECT RAISE(ABORT, 'no'); END"));
        store.setBusyWait(200);
        QElapsedTimer timer;
        timer.start();
        if (atOpen) {
            QCOMPARE(store.open(), SettingsStore::OpenResult::Failed);
            QVERIFY(store.quarantinedPath().isEmpty());
        } else {
            QVERIFY(!(store.begin() && store.write(app, "notes", "k1", "x") &&
                      store.replaceSection(app, "notes", {{"k2", "y"}, {"k3", "z"}}) &&
                      store.commit()));
            store.rollback();
        }
        QVERIFY(timer.elapsed() < 2000);
        QFETCH(QString, reason);
        QVERIFY2(store.errorText().contains(reason), qPrintable(store.errorText()));
        file.unlock();
        readOnly.release();
        QCOMPARE(file.keys("notes"), before);
        if (cause == "file")
            QCOMPARE(readFile(file.folder()), "a plain file");
    }
};

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
