// Loading, writing every change at once, and the last save, in the stored
// layout. Guards against: keys or values not as laid out or changed through
// SQLite, stale keys after a note goes, a change that waits for the end, a
// failed write lost, repeated or not told, a damaged store written into, odd
// stored values read outside the rules, a failed read taken for "no notes"
// and saved over, a Retry that cannot succeed, a wrong default store path.
#include "core/session.h"
#include "storefile.h"

#include <QDir>
#include <QLocale>
#include <QSignalSpy>
#include <QRegularExpression>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

class tst_Session : public QObject
{
    Q_OBJECT

private slots:
    // Sizes are read and written the same under a locale with a decimal comma.
    void initTestCase() { QLocale::setDefault(QLocale::German); }

    // Each change is in the store once write() is done, before any save,
    // texts exactly as given (SQLite takes a leading U+FEFF or U+FFFE for a
    // byte-order mark); a write that fails is told once, and its changes go
    // with the next write, in order. The next session reads it all back, the
    // titles first.
    void roundTrip()
    {
        StoreFile file;
        Session first(file.path());
        const auto empty = first.load();
        QVERIFY(empty.status == Session::LoadStatus::Loaded && empty.state.notes.isEmpty() &&
                empty.state.titleListPoints == 8.0f);
        // A running session is marked, and nothing else is written.
        QCOMPARE(file.rows(), QStringList{"qbxlm120|notes|temp|-"});
        QSignalSpy failing(&first, &Session::writesFailing);
        QSignalSpy succeeding(&first, &Session::writesSucceeding);
        const QStringList texts = {QString(QChar(0)) + "b", QString(QChar(0xFEFF)),
                                   QString(QChar(0xFFFE)) + "s", QString(QChar(0xD800)) + "\r\n"};
        Session::State state{
            {{texts[2], texts[0]}, {texts[1], texts[3]}, {"gone", ""}, {"gone", ""}}, 9.75f, 12};
        first.write(state);
        first.waitForWrites();
        QVERIFY(file.exec(
            "CREATE TRIGGER no BEFORE INSERT ON settings BEGIN SELECT RAISE(ABORT, 'no'); END"));
        state.notes.remove(2, 2);
        state.notes.append(Note{"c", ""});
        first.write(state);
        state.notes.last().title = "d";
        first.write(state);
        first.waitForWrites();
        QCOMPARE(failing.size(), 1);
        QCOMPARE(failing[0][0].toString(), QStringLiteral("the store refused the change (no)"));
        QVERIFY(file.exec("DROP TRIGGER no"));
        state.titleListPoints = 9.5f;
        first.write(state);
        first.waitForWrites();
        QCOMPARE(succeeding.size(), 1);
        const QString notes = QStringLiteral("qbxlm120|notes|note");
        QCOMPARE(
            file.rows(),
            QStringList({"qbxlm120|general|mainlistsize|9.5", "qbxlm120|general|maintextboxsize|12",
                         "qbxlm120|general|notetotal|3", notes + "content1|" + texts[0],
                         notes + "content2|" + texts[3], notes + "content3|",
                         notes + "title1|" + texts[2], notes + "title2|" + texts[1],
                         notes + "title3|d", "qbxlm120|notes|temp|-"}));
        // The last save ends the mark.
        QVERIFY(first.save(state) && file.value("notes", "temp").isNull());
        Session second(file.path());
        const auto loaded = second.load();
        QCOMPARE(loaded.state.notes.value(1), (Note{texts[1], QString(), 1}));
        QCOMPARE(second.waitForBodies(), QList<QString>({texts[0], texts[3], ""}));
        QVERIFY(loaded.state.titleListPoints == 9.5f && loaded.state.noteTextPoints == 12.0f);
    }

    void oddStoredValues_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("notes");
        QTest::addColumn<float>("points");
        // clang-format off
        QTest::newRow("count above the notes stored") << "2" << "12" << 2 << 12.0f;
        QTest::newRow("blanks and a sign") << " +1 " << " 10 " << 1 << 10.0f;
        QTest::newRow("negative") << "-1" << "0.5" << 0 << 8.0f;
        QTest::newRow("not a number") << "1.5" << "nan" << 0 << 8.0f;
        QTest::newRow("beyond any limit") << "99999999999999999999" << "1e3" << 500 << 8.0f;
        QTest::newRow("the locale's decimal comma") << "0" << "9,75" << 0 << 9.75f;
        // clang-format on
    }

    void oddStoredValues()
    {
        QFETCH(QString, count);
        QFETCH(QString, size);
        StoreFile file;
        file.seed({{"t1", "b1"}});
        const QString set = QStringLiteral("UPDATE settings SET value = '%1' WHERE key = '%2';");
        QVERIFY(file.exec(qPrintable(set.arg(count, "notetotal") + set.arg(size, "mainlistsize"))));
        Session session(file.path());
        const auto loaded = session.load();
        QTEST(int(loaded.state.notes.size()), "notes");
        QTEST(loaded.state.titleListPoints, "points");
        // Notes past those stored have the default title and body.
        if (loaded.state.notes.size() == 2)
            QCOMPARE(loaded.state.notes[1].title + session.waitForBodies().value(1),
                     "Your notenote");
    }

    void troubledStore_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::newRow("locked at start: a failed read") << "locked";
        QTest::newRow("read-only, then writable: a Retry") << "read-only";
        QTest::newRow("damaged while running") << "damaged";
    }

    // Notes that could not be read at start are kept, ahead of the session's.
    // A store found read-only is opened afresh for every retry, so the save
    // succeeds once the user has made it writable. A store found damaged is
    // never written into; the last save fails once, then sets it aside and
    // saves in a new store.
    void troubledStore()
    {
        QFETCH(QString, trouble);
        StoreFile file;
        file.seed(numberedNotes(50));
        // A reader keeps the log and its index, so a read-only store loads.
        QVERIFY(trouble == "locked" ? file.lock() : file.exec("SELECT count(*) FROM settings"));
        if (trouble == "read-only" && !file.setReadOnly(true))
            QSKIP("no way to make a folder read-only here");
        Session session(file.path(), 100);
        const auto loaded = session.load();
        QCOMPARE(loaded.status,
                 trouble == "locked" ? Session::LoadStatus::Failed : Session::LoadStatus::Loaded);
        QFile db(file.path());
        if (trouble == "damaged") {
            // All but the file's first page wiped; the running mark stays in
            // the log, which must not be merged into the damaged file.
            file.unlock();
            QVERIFY(db.open(QIODevice::ReadWrite | QIODevice::Unbuffered) && db.seek(4096));
            QVERIFY(db.write(QByteArray(int(db.size()) - 4096, '\0')) > 0);
        }
        const QByteArray damaged = db.isOpen() && db.seek(0) ? db.readAll() : QByteArray();
        const Session::State state{loaded.state.notes + QList<Note>{{"new", "b"}}, 8, 8};
        QVERIFY(!session.save(state));
        const QString problem = trouble == "locked" ? loaded.problem : session.saveProblem();
        QVERIFY2(problem.contains(file.path()) && problem.contains(trouble), qPrintable(problem));
        QVERIFY(!db.isOpen() || (db.seek(0) && db.readAll() == damaged));
        file.unlock();
        QVERIFY(session.save(state));
        QCOMPARE(file.value("notes", "notetitle1") + file.value("notes", "notetitle51") +
                     file.value("general", "notetotal"),
                 "t1new51");
        QCOMPARE(QDir(file.folder())
                     .entryList({"settings.db.damaged-*"})
                     .filter(QRegularExpression("\\d$"))
                     .size(),
                 int(db.isOpen()));
    }

    void defaultStorePath_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("path");
        // clang-format off
        QTest::newRow("XDG_CONFIG_HOME") << QByteArray("/cfg") << QByteArray("/h") << "/cfg/quillbox/settings.db";
        QTest::newRow("relative XDG_CONFIG_HOME") << QByteArray("cfg") << QByteArray("/h") << "/h/.config/quillbox/settings.db";
        QTest::newRow("no HOME") << QByteArray() << QByteArray() << QDir::cleanPath(QString::fromLocal8Bit(::getpwuid(::getuid())->pw_dir) + "/.config/quillbox/settings.db");
        // clang-format on
    }

    void defaultStorePath()
    {
        QFETCH(QByteArray, config);
        QFETCH(QByteArray, home);
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("XDG_CONFIG_HOME", config);
        home.isEmpty() ? qunsetenv("HOME") : qputenv("HOME", home);
        const QString path = Session::defaultStorePath();
        qputenv("HOME", oldHome);
        qunsetenv("XDG_CONFIG_HOME");
        QTEST(path, "path");
    }
};

QTEST_GUILESS_MAIN(tst_Session)
#include "tst_session.moc"
