// The settings store itself: the file it makes, and every way the file or
// its folder can be wrong. Guards against: a store others can read, a right
// given that the user took away, a damaged file taken for a store or set
// aside over another, and an open that fails without a reason or spoils what
// it found. (Texts SQLite could change, and locks, are in tst_session.)
#include "core/settingsstore.h"
#include "storefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>

// Writes a file with the mode given, in a folder others may read.
static bool writeFile(const QString &path, const QByteArray &bytes, mode_t mode = 0644)
{
    QFile file(path);
    const QByteArray folder = QFile::encodeName(QFileInfo(path).path());
    return QDir().mkpath(folder) && ::chmod(folder, 0755) == 0 && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size() && ::chmod(QFile::encodeName(path), mode) == 0;
}

static QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void opening_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // a null array: no file
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<bool>("damaged");
        StoreFile sound;
        sound.seed(QList<Note>(200, {QString(200, u'x'), QString(400, u'y')}));
        const QByteArray store = readFile(sound.path());
        QVERIFY(sound.exec("ALTER TABLE settings ADD COLUMN more TEXT; PRAGMA wal_checkpoint"));
        QTest::newRow("new") << QByteArray() << 0 << false;
        QTest::newRow("readable by all") << store << 0644 << false;
        QTest::newRow("read-only for all") << store << 0444 << false;
        QTest::newRow("empty file") << QByteArray("") << 0644 << false;
        QTest::newRow("garbage") << QByteArray("no database\n").repeated(300) << 0644 << true;
        QTest::newRow("truncated") << store.left(store.size() / 2) << 0644 << true;
        QTest::newRow("a table of another shape") << readFile(sound.path()) << 0644 << true;
    }

    // The folder made and the file are the owner's alone, whatever the umask
    // (0277 leaves the owner no write right); an existing pair loses others'
    // rights and gains none. A file that is no sound store is found damaged,
    // and set aside, never over one set aside within the same second.
    void opening()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fileMode);
        QFETCH(bool, damaged);
        StoreFile file;
        for (int round = 1; round <= 2; ++round) {
            if (!bytes.isNull())
                QVERIFY(writeFile(file.path(), bytes, mode_t(fileMode)));
            const mode_t old = ::umask(0277);
            SettingsStore store(file.path());
            const auto opened = store.open();
            ::umask(old);
            QCOMPARE(opened,
                     damaged ? SettingsStore::Opened::Damaged : SettingsStore::Opened::Opened);
            QVERIFY(!damaged || store.setAside("damaged").startsWith(file.path() + ".damaged-"));
        }
        QCOMPARE(QDir(file.folder()).entryList({"settings.db.damaged-*"}).size(), damaged ? 2 : 0);
        // The rights of owner, group and others as Qt gives them: 0x7000 is 0700.
        const auto rights = [](const QString &p) { return QFile::permissions(p).toInt() & 0x7077; };
        QCOMPARE(rights(file.folder()), 0x7000);
        QCOMPARE(rights(file.path()), damaged ? 0 : fileMode == 0444 ? 0x4000 : 0x6000);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("reason");
        // clang-format off
        QTest::newRow("folder where the file should be") << "folder" << "a folder stands";
        QTest::newRow("file where the folder should be") << "file" << "a file stands";
        QTest::newRow("read-only folder, no store") << "read-only" << "read-only";
        // clang-format on
    }

    // An open that fails says why, and leaves what it found as it was: the
    // plain file where the folder should be, the folder with nothing in it.
    void failures()
    {
        QFETCH(QString, cause);
        StoreFile file;
        if (cause != "read-only")
            QVERIFY(writeFile(cause == "file" ? file.folder() : file.path() + "/x", "plain"));
        else if (!QDir().mkpath(file.folder()) || !file.setReadOnly(true))
            QSKIP("no way to make a folder read-only here");
        SettingsStore store(file.path());
        QCOMPARE(store.open(), SettingsStore::Opened::Failed);
        QFETCH(QString, reason);
        QVERIFY2(store.errorReason().contains(reason), qPrintable(store.errorReason()));
        file.unlock();
        QCOMPARE(readFile(cause == "file" ? file.folder() : file.path() + "/x"),
                 cause == "read-only" ? "" : "plain");
    }

    // A file cut short under a read (a copy over it, half done) is a failed
    // read of the pages gone, never a crash; opened again while still empty,
    // it is left to the program writing it.
    void cutShortWhileRead()
    {
        StoreFile file;
        file.seed(QList<Note>(20, {QStringLiteral("t"), QString(20000, u'x')}));
        file.unlock();
        SettingsStore store(file.path());
        QCOMPARE(store.open(), SettingsStore::Opened::Opened);
        QVERIFY(store.beginRead());
        QVERIFY(store.readValue(QStringLiteral("general"), QStringLiteral("notetotal")));
        QVERIFY(QFile::resize(file.path(), 8192));
        QVERIFY(!store.readSection(QStringLiteral("notes")));
        QVERIFY(QFile::resize(file.path(), 0));
        QCOMPARE(store.open(false), SettingsStore::Opened::Damaged);
        QCOMPARE(QFileInfo(file.path()).size(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
