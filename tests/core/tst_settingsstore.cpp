// The settings store itself: the file it makes, and every way the file or
// its folder can be wrong. Guards against: a store others can read, a right
// given that the user took away, a section not replaced exactly, a damaged
// file written over or lost, a save that half-happens, and a lock that holds
// the program up. (Texts SQLite could change are in tst_session.)
#include "core/settingsstore.h"
#include "storefile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
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
    void opening_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // a null array: no file
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<bool>("damaged");
        StoreFile sound, other;
        sound.seed(QList<Note>(200, {QString(200, u'x'), QString(400, u'y')}));
        const QByteArray store = readFile(sound.path());
        QVERIFY(QDir().mkpath(other.folder()) &&
                other.exec("CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT)"));
        QTest::newRow("new") << QByteArray() << 0 << false;
        QTest::newRow("readable by all") << store << 0644 << false;
        QTest::newRow("read-only for all") << store << 0444 << false;
        QTest::newRow("empty file") << QByteArray("") << 0644 << false;
        QTest::newRow("garbage") << QByteArray("no database\n").repeated(300) << 0644 << true;
        QTest::newRow("truncated") << store.left(store.size() / 2) << 0644 << true;
        QTest::newRow("a table of another shape") << readFile(other.path()) << 0644 << true;
    }

    // The folder made and the file are the owner's alone, whatever the umask
    // (0277 leaves the owner no write right); an existing pair loses others'
    // rights and gains none. A file that is no sound store is set aside
    // untouched, never over an earlier one set aside within the same second,
    // and a new one is made.
    void opening()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fileMode);
        QFETCH(bool, damaged);
        StoreFile file;
        for (int round = 1; round <= (damaged ? 2 : 1); ++round) {
            if (!bytes.isNull()) {
                QVERIFY(writeFile(file.path(), bytes));
                ::chmod(QFile::encodeName(file.path()).constData(), mode_t(fileMode));
                ::chmod(QFile::encodeName(file.folder()).constData(), 0755);
            }
            const mode_t old = ::umask(0277);
            SettingsStore store(file.path());
            const auto opened = store.open();
            ::umask(old);
            QCOMPARE(opened, damaged ? SettingsStore::OpenResult::Quarantined
                                     : SettingsStore::OpenResult::Opened);
            // The store works: a section is replaced exactly (the last of a key given twice).
            QVERIFY(fileMode == 0444 ||
                    (store.write(app, "s", "stale", "x") && store.write(app, "s", "b", "old") &&
                     store.replaceSection(app, "s", {{"a", "1"}, {"b", "2"}, {"a", "last"}})));
            if (damaged)
                QCOMPARE(readFile(store.quarantinedPath()), bytes);
        }
        // Each set aside with its own log, if it had one.
        QCOMPARE(QDir(file.folder())
                     .entryList({"settings.db.damaged-*"})
                     .filter(QRegularExpression("\\d$"))
                     .size(),
                 damaged ? 2 : 0);
        QCOMPARE(file.rows().filter("qbxlm120|s|"),
                 fileMode == 0444 ? QStringList()
                                  : QStringList({"qbxlm120|s|a|last", "qbxlm120|s|b|2"}));
        QCOMPARE(modeOf(file.folder()), 0700);
        QCOMPARE(modeOf(file.path()), fileMode == 0444 ? 0400 : 0600);
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
        else if (cause != "read-only")
            file.seed(numberedNotes(4));
        else if (!QDir().mkpath(file.folder()) || !file.setReadOnly(true))
            QSKIP("no way to make a folder read-only here");
        // What was found: the rows, or the plain file where the folder should be.
        const QStringList before = file.rows() << readFile(file.folder());
        SettingsStore store(file.path());
        if (!atOpen)
            QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        if (cause == "lock") // at a save, a writer's lock: readers go on under it
            QVERIFY(atOpen ? file.lock() : file.exec("BEGIN IMMEDIATE"));
        if (cause == "trigger")
            QVERIFY(file.exec("CREATE TRIGGER no BEFORE INSERT ON settings WHEN NEW.key = 'k3'"
                              " BEGIN SELECT RAISE(ABORT, 'no'); END"));
        store.setBusyWait(200);
        const QDeadlineTimer deadline(2000);
        if (atOpen)
            QCOMPARE(store.open(), SettingsStore::OpenResult::Failed);
        else
            QVERIFY(!(store.begin() && store.write(app, "notes", "k1", "x") &&
                      store.replaceSection(app, "notes", {{"k2", "y"}, {"k3", "z"}}) &&
                      store.commit()));
        store.rollback();
        QVERIFY(!deadline.hasExpired());
        QFETCH(QString, reason);
        QVERIFY2(store.errorText().contains(reason), qPrintable(store.errorText()));
        file.unlock();
        QCOMPARE(file.rows() << readFile(file.folder()), before);
    }
};

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
