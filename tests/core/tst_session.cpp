// Loading, writing every change at once, and the last save, in the stored
// layout. Guards against: keys or values that differ from the layout, stale
// keys after a note goes, a change that waits for the end, a failed write
// lost, repeated or not told, a damaged store written into, odd stored
// values read outside the rules, a failed read taken for "no notes" and then
// saved over, a Retry that cannot succeed, and a store path from no HOME.
#include "core/session.h"
#include "storefile.h"

#include <QDir>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

class tst_Session : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip()
    {
        StoreFile file;
        Session first(file.path());
        const auto empty = first.load();
        QCOMPARE(empty.status, Session::LoadStatus::Loaded);
        QVERIFY(empty.state.notes.isEmpty() && empty.state.titleListPoints == 8.0f);
        // A running session is marked, and nothing else is written.
        QCOMPARE(file.keys("notes") + file.keys("general"), QStringList{"temp"});
        const QList<Note> notes{{"a", "one\ntwo\r\n"}, {"  b", ""}, {"c", "three"}};
        QVERIFY(first.save({notes, 9.75f, 12}));
        QCOMPARE(file.keys("general").join(' '), "mainlistsize maintextboxsize notetotal");
        QCOMPARE(file.value("general", "mainlistsize") + file.value("general", "maintextboxsize") +
                     file.value("general", "notetotal"),
                 "9.75123");
        QCOMPARE(file.value("notes", "notecontent1"), QStringLiteral("one\ntwo\r\n"));
        Session second(file.path());
        const auto loaded = second.load();
        // Titles first; the bodies come after, by their place in the store.
        QCOMPARE(loaded.state.notes.value(1), (Note{"  b", QString(), 1}));
        QCOMPARE(second.waitForBodies(), QList<QString>({"one\ntwo\r\n", "", "three"}));
        QVERIFY(loaded.state.titleListPoints == 9.75f && loaded.state.noteTextPoints == 12.0f);
        QVERIFY(second.save({notes.mid(0, 1), 8, 8}));
        QCOMPARE(file.keys("notes"), QStringList({"notecontent1", "notetitle1"}));
        QVERIFY(second.save({{}, 8, 8}));
        QVERIFY(file.keys("notes").isEmpty());
    }

    // Each write is committed at once; one that fails is told once, and its
    // changes go with the next write, in order.
    void writesAtOnce()
    {
        StoreFile file;
        file.seed(numberedNotes(3));
        Session session(file.path());
        Session::State state = session.load().state;
        QSignalSpy failing(&session, &Session::writesFailing);
        QSignalSpy succeeding(&session, &Session::writesSucceeding);
        state.notes.removeFirst();
        session.write(state);
        session.waitForWrites();
        QCOMPARE(file.keys("notes").join(' '),
                 "notecontent1 notecontent2 notetitle1 notetitle2 temp");
        QCOMPARE(file.value("general", "notetotal") + file.value("notes", "notetitle1"), "2t2");
        QVERIFY(file.exec(
            "CREATE TRIGGER no BEFORE INSERT ON settings BEGIN SELECT RAISE(ABORT, 'no'); END"));
        for (const char *title : {"a", "b"}) {
            state.notes.append(Note{title, "x"});
            session.write(state);
        }
        session.waitForWrites();
        QCOMPARE(failing.size(), 1);
        QCOMPARE(failing[0][0].toString(), QStringLiteral("the store refused the change (no)"));
        QVERIFY(file.exec("DROP TRIGGER no"));
        state.titleListPoints = 12;
        session.write(state);
        session.waitForWrites();
        QCOMPARE(succeeding.size(), 1);
        QCOMPARE(file.value("notes", "notetitle3") + file.value("notes", "notetitle4") +
                     file.value("general", "mainlistsize"),
                 "ab12");
    }

    // A store found damaged while running is never written into; the last
    // save fails once, then sets it aside and saves in a new store.
    void damagedStoreIsNotWritten()
    {
        StoreFile file;
        file.seed(numberedNotes(50));
        Session session(file.path());
        Session::State state = session.load().state;
        // Everything into the file itself, where the damage goes.
        QVERIFY(file.exec("PRAGMA wal_checkpoint(TRUNCATE)"));
        file.unlock();
        QFile db(file.path());
        QVERIFY(db.open(QIODevice::ReadWrite) && db.seek(4096));
        db.write(QByteArray(int(db.size() - 4096), 'x'));
        db.close();
        const QByteArray damaged = [&db] {
            return db.open(QIODevice::ReadOnly) ? db.readAll() : "";
        }();
        db.close();
        QSignalSpy failing(&session, &Session::writesFailing);
        state.notes.append(Note{"new", "x"});
        session.write(state);
        session.waitForWrites();
        QCOMPARE(failing.value(0).value(0).toString(), QStringLiteral("the store is damaged"));
        QVERIFY(db.open(QIODevice::ReadOnly) && db.readAll() == damaged);
        db.close();
        QVERIFY(!session.save(state));
        QVERIFY(session.saveProblem().contains("damaged"));
        QVERIFY(session.save(state));
        QCOMPARE(file.value("general", "notetotal"), QStringLiteral("51"));
        QCOMPARE(QDir(file.folder()).entryList({"settings.db.damaged-*"}).size(), 1);
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
        QFETCH(int, notes);
        StoreFile file;
        file.seed({{"t1", "b1"}});
        const QString set = QStringLiteral("UPDATE settings SET value = '%1' WHERE key = '%2'");
        QVERIFY(file.exec(set.arg(count, "notetotal").toUtf8().constData()));
        QVERIFY(file.exec(set.arg(size, "mainlistsize").toUtf8().constData()));
        QLocale::setDefault(QLocale::German);
        Session session(file.path());
        const auto loaded = session.load();
        QLocale::setDefault(QLocale::c());
        QCOMPARE(loaded.state.notes.size(), notes);
        QTEST(loaded.state.titleListPoints, "points");
        if (notes >= 2)
            QCOMPARE(loaded.state.notes[1].title + session.waitForBodies().value(1),
                     "Your notenote");
    }

    // Notes that could not be read at start are kept, ahead of the session's.
    void failedReadKeepsTheStoredNotes()
    {
        StoreFile file;
        file.seed(numberedNotes(2));
        QVERIFY(file.lock());
        Session session(file.path(), 100);
        const auto loaded = session.load();
        QCOMPARE(loaded.status, Session::LoadStatus::Failed);
        QVERIFY2(loaded.problem.contains(file.path()) &&
                     loaded.problem.contains("locked by another program"),
                 qPrintable(loaded.problem));
        QVERIFY(!session.save({{{"new", "3"}}, 8, 8}));
        file.unlock();
        QVERIFY(session.save({{{"new", "3"}}, 8, 8}));
        QCOMPARE(file.value("notes", "notetitle1") + file.value("notes", "notetitle3"), "t1new");
    }

    // A store found read-only is opened afresh for every retry, so the save
    // succeeds once the user has made it writable; the notes it held are kept.
    void retryReopensTheStore()
    {
        StoreFile file;
        file.seed(numberedNotes(1));
        ReadOnlyFolder readOnly(file.folder());
        if (!readOnly.isReadOnly())
            QSKIP("no way to make a folder read-only here");
        Session session(file.path());
        session.load();
        QVERIFY(!session.save({{{"new", "b"}}, 8, 8}));
        QVERIFY2(session.saveProblem().contains("read-only"), qPrintable(session.saveProblem()));
        readOnly.release();
        QVERIFY(session.save({{{"new", "b"}}, 8, 8}));
        QCOMPARE(file.value("notes", "notetitle1") + file.value("notes", "notetitle2"), "t1new");
    }

    void defaultStorePath_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("path");
        const QString user = QString::fromLocal8Bit(::getpwuid(::getuid())->pw_dir);
        // clang-format off
        QTest::newRow("XDG_CONFIG_HOME") << QByteArray("/cfg") << QByteArray("/h") << "/cfg/quillbox/settings.db";
        QTest::newRow("relative XDG_CONFIG_HOME") << QByteArray("cfg") << QByteArray("/h") << "/h/.config/quillbox/settings.db";
        QTest::newRow("no HOME") << QByteArray() << QByteArray() << QDir::cleanPath(user + "/.config/quillbox/settings.db");
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
