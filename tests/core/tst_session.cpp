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
        QCOMPARE(first.load().state.titleListPoints, 8.0f); // no store yet
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
        state.notes = {state.notes[0], state.notes[1], {"c", ""}};
        first.write(state);
        state.notes.last().title = "d";
        first.write(state);
        first.waitForWrites();
        QVERIFY(file.exec("DROP TRIGGER no"));
        state.titleListPoints = 9.5f;
        first.write(state);
        first.waitForWrites();
        QCOMPARE(failing + succeeding,
                 QList<QVariantList>({{"the store refused the change (no)"}, {}}));
        const QString general = "qbxlm120|general|", note = "qbxlm120|notes|note";
        QCOMPARE(file.rows(),
                 QStringList({general + "mainlistsize|9.5", general + "maintextboxsize|12",
                              general + "notetotal|3", note + "content1|" + texts[0],
                              note + "content2|" + texts[3], note + "content3|",
                              note + "title1|" + texts[2], note + "title2|" + texts[1],
                              note + "title3|d", "qbxlm120|notes|temp|-"}));
        // The last save ends the mark and drops keys that are no note's.
        QVERIFY(file.exec("INSERT INTO settings VALUES ('qbxlm120', 'notes', 'notetitle03', 'x')"));
        QVERIFY(first.save(state) && file.value("notes", "temp").isNull() &&
                file.value("notes", "notetitle03").isNull());
        Session second(file.path());
        QCOMPARE(second.load().state.notes.value(1), (Note{texts[1], QString(), 1}));
        QCOMPARE(second.waitForBodies(), QList<QString>({texts[0], texts[3], ""}));
    }

    void oddStoredValues_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("notes");
        QTest::addColumn<QString>("size");
        QTest::addColumn<float>("points");
        QTest::newRow("count above the notes stored") << "2" << 2 << "12" << 12.0f;
        QTest::newRow("blanks and a sign") << " +1 " << 1 << " 10 " << 10.0f;
        QTest::newRow("negative") << "-1" << 0 << "0.5" << 8.0f;
        QTest::newRow("not a number") << "1.5" << 0 << "nan" << 8.0f;
        QTest::newRow("beyond any limit") << "99999999999999999999" << 500 << "1e3" << 8.0f;
        QTest::newRow("the locale's decimal comma") << "0" << 0 << "9,75" << 9.75f;
    }

    // Notes past those stored have the default title and body.
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
        QCOMPARE(loaded.state.notes.value(1).title + session.waitForBodies().value(1),
                 loaded.state.notes.size() > 1 ? "Your notenote" : "");
    }

    void troubledStore_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::newRow("locked at start: a failed read") << "locked";
        QTest::newRow("read-only, then writable: a Retry") << "read-only";
        QTest::newRow("damaged while running") << "damaged";
    }

    // Notes that could not be read at start are kept, ahead of the session's;
    // a lock holds nobody up for long. A store found read-only is opened afresh
    // for every retry. A store found damaged is never written into: the last
    // save fails once, then sets it aside as it was and saves in a new store.
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
        const QDeadlineTimer deadline(2000);
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
        QVERIFY(!session.save(state) && !deadline.hasExpired());
        const QString problem = trouble == "locked" ? loaded.problem : session.saveProblem();
        QVERIFY2(problem.contains(file.path()) && problem.contains(trouble), qPrintable(problem));
        file.unlock();
        QVERIFY(session.save(state));
        QVERIFY(!db.isOpen() || (db.seek(0) && db.readAll() == damaged)); // now set aside
        QCOMPARE(file.value("notes", "notetitle51") + file.value("general", "notetotal"), "new51");
        const QStringList setAside = QDir(file.folder()).entryList({"settings.db.damaged-*[0-9]"});
        QCOMPARE(setAside.size(), int(db.isOpen()));
    }

    // $XDG_CONFIG_HOME when absolute, else ~/.config; with no HOME, the home
    // the user database gives.
    void defaultStorePath()
    {
        const QByteArray oldHome = qgetenv("HOME");
        const QString own = QString::fromLocal8Bit(::getpwuid(::getuid())->pw_dir);
        const std::tuple<const char *, const char *, QString> cases[] = {
            {"/cfg", "/h", "/cfg"}, {"cfg", "/h", "/h/.config"}, {"", nullptr, own + "/.config"}};
        for (const auto &[config, home, folder] : cases) {
            qputenv("XDG_CONFIG_HOME", config);
            home ? qputenv("HOME", home) : qunsetenv("HOME");
            QCOMPARE(Session::defaultStorePath(),
                     QDir::cleanPath(folder + "/quillbox/settings.db"));
        }
        qputenv("HOME", oldHome);
    }
};

QTEST_GUILESS_MAIN(tst_Session)
#include "tst_session.moc"
