// The settings store itself: the file it makes, exact texts, and every way
// the file or its folder can be wrong. Guards against: a store others can
// read, a text changed on its way through SQLite, a damaged file written
// over or lost, a save that half-happens, a lock that holds the program up.
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

mode_t modeOf(const QString &path)
{
    struct stat st = {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
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

QString chars(std::initializer_list<char16_t> units)
{
    return QString(reinterpret_cast<const QChar *>(units.begin()), qsizetype(units.size()));
}

} // namespace

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void newStoreIsPrivate_data()
    {
        QTest::addColumn<int>("umask");
        QTest::newRow("umask 022") << 022;
        QTest::newRow("umask 077") << 077;
    }

    void newStoreIsPrivate()
    {
        QFETCH(int, umask);
        StoreFile file;
        const mode_t old = ::umask(mode_t(umask));
        SettingsStore store(file.folder() + QStringLiteral("/deeper/settings.db"));
        const auto opened = store.open();
        ::umask(old);
        QCOMPARE(opened, SettingsStore::OpenResult::Opened);
        QCOMPARE(modeOf(file.folder()), mode_t(0700));
        QCOMPARE(modeOf(file.folder() + "/deeper"), mode_t(0700));
        QCOMPARE(modeOf(store.path()), mode_t(0600));
    }

    // Others' rights are taken off an existing store; no right is given.
    void existingStoreIsMadePrivate_data()
    {
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<int>("privateMode");
        QTest::newRow("readable by all") << 0644 << 0600;
        QTest::newRow("read-only for all") << 0444 << 0400;
    }

    void existingStoreIsMadePrivate()
    {
        QFETCH(int, fileMode);
        StoreFile file;
        file.seed({});
        ::chmod(QFile::encodeName(file.path()).constData(), mode_t(fileMode));
        ::chmod(QFile::encodeName(file.folder()).constData(), 0755);
        SettingsStore store(file.path());
        store.open();
        QTEST(int(modeOf(file.path())), "privateMode");
        QCOMPARE(modeOf(file.folder()), mode_t(0700));
    }

    // Values, keys and sections come back exactly, through a new connection.
    void exactTexts()
    {
        const QStringList texts = {QString(),
                                   chars({0}),
                                   chars({'a', 0, 'b'}),
                                   chars({0xD800}),
                                   chars({0xDC00, 0xD800}),
                                   chars({0xD83D, 0xDE00, ' '}),
                                   chars({'\r', '\n', '\t', ' '}),
                                   chars({0xFEFF, 'b'}),
                                   chars({0xFFFE, 's'}),
                                   chars({0xFEFF}),
                                   chars({0xFFFF, 0xFFFE}),
                                   chars({'e', 0x301})};
        StoreFile file;
        {
            SettingsStore store(file.path());
            QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
            for (const QString &text : texts)
                QVERIFY(store.write(app, text, text, text));
        }
        SettingsStore store(file.path());
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        for (const QString &text : texts) {
            const auto section = store.readSection(app, text);
            QVERIFY(section);
            QCOMPARE(*section, (QList<SettingsStore::Entry>{{text, text}}));
            QVERIFY(!section->first().second.isNull());
        }
    }

    void replaceSection()
    {
        StoreFile file;
        SettingsStore store(file.path());
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        QVERIFY(store.write(app, "s", "stale", "x") && store.write(app, "other", "k", "kept"));
        QVERIFY(store.replaceSection(app, "s", {{"a", "1"}, {"b", "2"}, {"a", "last"}}));
        QCOMPARE(file.keys("s"), (QStringList{"a", "b"}));
        QCOMPARE(file.value("s", "a"), QStringLiteral("last"));
        QCOMPARE(file.value("other", "k"), QStringLiteral("kept"));
    }

    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("damaged");
        StoreFile sound;
        sound.seed(QList<Note>(200, {QString(200, u'x'), QString(400, u'y')}));
        const QByteArray store = readFile(sound.path());
        QTest::newRow("garbage") << QByteArray("no database\n").repeated(300) << true;
        QTest::newRow("truncated") << store.left(store.size() / 2) << true;
        StoreFile other;
        QVERIFY(QDir().mkpath(other.folder()));
        QVERIFY(other.exec("CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT)"));
        QTest::newRow("a table of another shape") << readFile(other.path()) << true;
        QTest::newRow("empty file") << QByteArray() << false;
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
            if (damaged) {
                asides.insert(store.quarantinedPath());
                QCOMPARE(readFile(store.quarantinedPath()), bytes);
            }
        }
        QCOMPARE(asides.size(), damaged ? 2 : 0);
        QCOMPARE(modeOf(file.path()), mode_t(0600));
    }

    void unusablePaths_data()
    {
        QTest::addColumn<QString>("make");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder where the file should be")
            << "folder"
            << "a folder stands where the file should be";
        QTest::newRow("file where the folder should be") << "file"
                                                         << "a file stands where the folder";
        QTest::newRow("read-only folder") << "read-only"
                                          << "read-only";
        QTest::newRow("locked by another program") << "locked"
                                                   << "locked by another program";
    }

    // The open fails with a reason, leaves what stands in the way alone, and
    // waits for a lock once, briefly.
    void unusablePaths()
    {
        QFETCH(QString, make);
        StoreFile file;
        if (make == "file")
            QVERIFY(writeFile(file.folder(), "a plain file"));
        else
            QVERIFY(QDir().mkpath(make == "folder" ? file.path() : file.folder()));
        ReadOnlyFolder readOnly(make == "read-only" ? file.folder() : QString());
        if (make == "read-only" && !readOnly.isReadOnly())
            QSKIP("no way to make a folder read-only here");
        if (make == "locked") {
            file.seed({});
            QVERIFY(file.exec("BEGIN EXCLUSIVE"));
        }
        SettingsStore store(file.path());
        store.setBusyWait(200);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(store.open(), SettingsStore::OpenResult::Failed);
        QVERIFY(timer.elapsed() < 2000);
        QFETCH(QString, reason);
        QVERIFY2(store.errorText().contains(reason), qPrintable(store.errorText()));
        QVERIFY(store.quarantinedPath().isEmpty());
        if (make == "file")
            QCOMPARE(readFile(file.folder()), "a plain file");
    }

    void failedSave_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("reason");
        QTest::newRow("locked") << "lock"
                                << "locked by another program";
        QTest::newRow("cut short half-way") << "trigger"
                                            << "refused the change";
        QTest::newRow("read-only") << "read-only"
                                   << "read-only";
    }

    // A save that fails says why and leaves every row as it was.
    void failedSave()
    {
        QFETCH(QString, cause);
        StoreFile file;
        file.seed(numberedNotes(4));
        SettingsStore store(file.path());
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        store.setBusyWait(200);
        const QStringList before = file.keys("notes");
        if (cause == "lock")
            QVERIFY(file.exec("BEGIN EXCLUSIVE"));
        if (cause == "trigger")
            QVERIFY(file.exec("CREATE TRIGGER refuse BEFORE INSERT ON settings WHEN NEW.key ="
                              " 'k3' BEGIN SELECT RAISE(ABORT, 'no'); END"));
        ReadOnlyFolder readOnly(cause == "read-only" ? file.folder() : QString());
        if (cause == "read-only" && !readOnly.isReadOnly())
            QSKIP("no way to make a folder read-only here");
        const bool saved = store.begin() && store.write(app, "notes", "k1", "x") &&
                           store.replaceSection(app, "notes", {{"k2", "y"}, {"k3", "z"}}) &&
                           store.commit();
        if (!saved)
            store.rollback();
        QVERIFY(!saved);
        QFETCH(QString, reason);
        QVERIFY2(store.errorText().contains(reason), qPrintable(store.errorText()));
        file.exec("ROLLBACK");
        readOnly.release();
        QCOMPARE(file.keys("notes"), before);
    }
};

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
