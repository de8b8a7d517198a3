// Reading a store, writing every change at once and ending the session, on
// real files. Guards against: texts changed on the way (byte-order marks,
// NUL, lone surrogates); a change that waits for the end; an odd layout kept
// (a count above the notes or spelt oddly, a stray key, sizes with a decimal
// comma); a count misread (blanks, a plus, past the limit) or, when it is no
// number, hiding notes that the next write deletes; a failed read taken for
// "no notes" or not tried again; writes that fail untold, wait once each or
// name the file twice; damage that empties readable notes or is written
// into; a store removed, replaced or changed underneath written as a
// difference, or undone into an empty store; texts the window does not show
// deleted; a store copied over during the start's read mixed with the one
// read; a read-only store that stays failed once mended; and a path too long
// for SQLite's own file layer.
#include "core/session.h"
#include "storefile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace
{

Session::State stateOf(const Session::Opening &opening)
{
    return {opening.notebook.notes(), opening.titleListPoints, opening.noteTextPoints};
}

// The rows of a store that holds state, with the session's mark or without.
QStringList rowsOf(const Session::State &state, bool running = false)
{
    return StoreFile::rowsOf({state.notes, state.titleListPoints, state.noteTextPoints, running});
}

} // namespace

class tst_Session : public QObject
{
    Q_OBJECT

private slots:
    // Sizes are read and written the same under a locale with a decimal comma.
    void initTestCase() { QLocale::setDefault(QLocale::German); }

    void roundTrip_data()
    {
        QTest::addColumn<int>("pathLength");
        QTest::newRow("a usual path") << 0;
        QTest::newRow("a path of 700 bytes") << 700;
    }

    // The last state handed over is in the store at the end, without the
    // session's mark; the next session reads it all back.
    void roundTrip()
    {
        QFETCH(int, pathLength);
        StoreFile file;
        QString path = file.path();
        while (path.size() < pathLength)
            path = QFileInfo(path).path() + '/' + QString(90, u'd') + "/settings.db";
        const QStringList texts = {QString(QChar(0)) + "b", QString(QChar(0xFEFF)),
                                   QString(QChar(0xFFFE)) + "s", QString(QChar(0xD800)) + "\r\n"};
        Session::State state{{{texts[2], texts[0]}, {texts[1], texts[3]}, {"gone", ""}}, 9.75f, 12};
        {
            Session first(path);
            QVERIFY(first.opening().read);
            first.write(state);
            state.notes.removeLast();
            first.write(state);
            QVERIFY(first.finish());
        }
        if (pathLength == 0)
            QCOMPARE(file.rows(), rowsOf(state));
        Session second(path);
        const Session::State read = stateOf(second.opening());
        QCOMPARE(read.notes, state.notes);
        QCOMPARE(std::pair(read.titleListPoints, read.noteTextPoints), std::pair(9.75f, 12.f));
    }

    void oddStores_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("notes");
        QTest::addColumn<QString>("third"); // "title|body" of the third note read
        QTest::addColumn<float>("points");
        QTest::addColumn<bool>("aside"); // it held texts the window does not show
        const auto row = [](const char *name, const QString &sql, int notes, const char *third = "",
                            float points = 8, bool aside = false) {
            QTest::newRow(name) << sql << notes << third << points << aside;
        };
        const QString count = "UPDATE settings SET value = '%1' WHERE key = 'notetotal';";
        const QString add = "INSERT INTO settings VALUES ('qbxlm120', 'notes', '%1', 'x');";
        const QString noCount = "DELETE FROM settings WHERE key = 'notetotal';";
        // clang-format off
        row("count above the notes stored", count.arg("3"), 3, "Your note|note");
        row("count past the limit", count.arg("99999999999999999999"), 500, "Your note|note");
        row("count with blanks and a plus: note 2 unshown", count.arg(" +1 "), 1, "", 8, true);
        row("count with a leading zero", count.arg("02"), 2);
        row("count no number: the highest body", count.arg("1e9") + add.arg("notecontent3"), 3, "Your note|x");
        row("count negative: the highest title", count.arg("-1") + add.arg("notetitle3"), 3, "x|note");
        row("count missing, a key no note's", noCount + add.arg("notetitle03"), 2, "", 8, true);
        row("a key no note's", add.arg("notetitle03"), 2, "", 8, true);
        row("a key past the limit", noCount + add.arg("notetitle900"), 500, "Your note|note", 8, true);
        row("sizes with blanks and a decimal comma", "UPDATE settings SET value = ' 9,75' WHERE key LIKE 'main%'", 2, "", 9.75f);
        row("a log left by an earlier version", "PRAGMA journal_mode = WAL", 2);
        // clang-format on
    }

    // Notes past those stored load as "Your note" / "note"; no stored note
    // is hidden; after the session the store holds exactly the layout of
    // what was read, as the full save has always written it, and a store
    // that held more than the window shows is kept beside it.
    void oddStores()
    {
        QFETCH(QString, sql);
        QFETCH(int, notes);
        QFETCH(QString, third);
        StoreFile file;
        file.seed(numberedNotes(2));
        QVERIFY(file.exec(qPrintable(sql)));
        file.unlock();
        Session session(file.path());
        const Session::State read = stateOf(session.opening());
        const Note expected{third.section('|', 0, 0), third.section('|', 1)};
        const QList<Note> missing(Notebook::maxNotes, {"Your note", "note"});
        QCOMPARE(read.notes, (numberedNotes(2) << expected << missing).mid(0, notes));
        QTEST(read.noteTextPoints, "points");
        QVERIFY(session.finish());
        QCOMPARE(file.rows(), rowsOf(read));
        QVERIFY(!QFile::exists(file.path() + "-wal"));
        QTEST(!QDir(file.folder()).entryList({"settings.db.more-*"}).isEmpty(), "aside");
    }

    // Another program's lock at the start: the read waits briefly, says so,
    // and is tried again until it succeeds.
    void lockedAtStart()
    {
        StoreFile file;
        file.seed(numberedNotes(3));
        QVERIFY(file.lock());
        Session session(file.path(), 250);
        QSignalSpy later(&session, &Session::notesRead);
        const Session::Opening opening = session.opening();
        QVERIFY(!opening.read && opening.notebook.isEmpty());
        QVERIFY2(opening.problem.contains(file.path()) && opening.problem.contains("locked"),
                 qPrintable(opening.problem));
        QCOMPARE(session.condition(), Session::Condition::Unread);
        file.unlock();
        QVERIFY(later.wait(5000));
        QCOMPARE(stateOf(later[0][0].value<Session::Opening>()).notes, numberedNotes(3));
    }

    void mended_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::newRow("locked by another program") << "locked";
        QTest::newRow("read-only, as a read-only mount makes it for root too") << "read-only";
    }

    // Writes that fail, even eight of them queued, wait for a lock once in
    // all, fail with one sentence that names the file once, are told once,
    // and succeed once the user mends the store. A store read-only from the
    // start is read all the same.
    void mended()
    {
        QFETCH(QString, trouble);
        StoreFile file;
        file.seed(numberedNotes(3));
        if (trouble == "read-only" && !file.setReadOnly(true))
            QSKIP("no way to make a folder read-only here");
        Session session(file.path(), 250);
        QSignalSpy told(&session, &Session::conditionChanged);
        Session::State state = stateOf(session.opening());
        session.waitForWrites();
        QVERIFY(trouble != "locked" || file.lock());
        QElapsedTimer held;
        held.start();
        for (int k = 1; k <= 8; ++k) {
            state.notes.append({"new", QString::number(k)});
            session.write(state);
        }
        QVERIFY(!session.finish());
        QVERIFY2(held.elapsed() < 1000, qPrintable(QString::number(held.elapsed())));
        const QString problem = session.saveProblem();
        QVERIFY2(problem.count(file.path()) == 1 && problem.contains(trouble), qPrintable(problem));
        file.unlock();
        QVERIFY(session.finish());
        QCOMPARE(file.rows(), rowsOf(state));
        const auto conditions = [&told] {
            QStringList seen;
            for (const QVariantList &signal : std::as_const(told))
                seen << signal[0].toString();
            return seen.join(' ');
        };
        QTRY_COMPARE(conditions(), "Saved Failing Saved Ended");
    }

    void underneath_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("aside"); // the file set aside, but for its time
        // clang-format off
        QTest::newRow("a damaged page among the bodies") << "damaged" << "settings.db.damaged";
        QTest::newRow("removed") << "removed" << "";
        QTest::newRow("removed, then an undo") << "removed undo" << "";
        QTest::newRow("replaced by another store") << "replaced" << "settings.db.changed";
        QTest::newRow("another store copied over it") << "copied" << "settings.db.changed";
        QTest::newRow("changed by another program") << "changed" << "settings.db.changed";
        // clang-format on
    }

    // Whatever happened to the file, the user is told, every body that could
    // be read is kept, what was found is set aside and never written into,
    // and the store then holds exactly the notes the session was given.
    void underneath()
    {
        QFETCH(QString, trouble);
        StoreFile file, other;
        QList<Note> notes;
        for (const char *letter : {"A", "B", "C"})
            notes.append({letter, QString(20000, QChar::fromLatin1(*letter))});
        file.seed(notes);
        other.seed(numberedNotes(5));
        if (trouble == "damaged") {
            // The next-page number of one of B's overflow pages, out of the file.
            QFile db(file.path());
            QVERIFY(db.open(QIODevice::ReadWrite));
            const QByteArray bytes = db.readAll();
            const QByteArray run = QByteArray("B\0", 2).repeated(1000); // as UTF-16 stores it
            qsizetype at = bytes.indexOf(run);
            while (at >= 0 && at % 4096 != 4)
                at = bytes.indexOf(run, at + 1);
            QVERIFY(at > 0 && db.seek(at - 4) && db.write("\xff\xff\xff\xff") == 4);
            notes[1].body = "";
        }
        namespace fs = std::filesystem;
        const fs::path path = file.path().toStdString(), another = other.path().toStdString();
        if (trouble == "copied") // a copy of this store, to change as much as the session does
            fs::copy_file(path, another, fs::copy_options::overwrite_existing);
        Session session(file.path(), 200);
        QSignalSpy told(&session, &Session::storeReplaced);
        const Session::Opening opening = session.opening();
        QVERIFY2(opening.problem.isEmpty(), qPrintable(opening.problem));
        QCOMPARE(stateOf(opening).notes, notes);
        session.waitForWrites();
        if (trouble.startsWith("removed"))
            fs::remove(path);
        if (trouble == "replaced")
            fs::rename(another, path);
        if (trouble == "copied") { // into the same file, with SQLite's own count of changes
            QVERIFY(other.exec("UPDATE settings SET value = 'x' WHERE key = 'notetitle1'"));
            other.unlock();
            fs::copy_file(another, path, fs::copy_options::overwrite_existing);
        }
        if (trouble == "changed")
            QVERIFY(file.exec("UPDATE settings SET value = 'x' WHERE key = 'notetitle2'"));
        file.unlock();
        if (trouble.endsWith("undo")) {
            session.undo();
        } else {
            notes[0].title = "renamed";
            session.write({notes, 8, 8});
        }
        session.waitForWrites();
        QTRY_COMPARE(told.size(), 1);
        const QString message = told[0][0].toString();
        QStringList found = QDir(file.folder()).entryList({"settings.db.*-*"});
        QVERIFY2(message.contains(file.path()) && message.contains(found.value(0)) &&
                     message.contains(trouble == "damaged" ? "read in full: 2 \"B\"." : ""),
                 qPrintable(message));
        QTEST(found.replaceInStrings(QRegularExpression("-.*"), "").join(' '), "aside");
        QCOMPARE(file.rows(), rowsOf({notes, 8, 8}, true));
    }

    // A store copied over while the start reads it: the notes read are
    // dropped, what was made of them never written, and the read starts again.
    void copiedWhileRead()
    {
        StoreFile file, other;
        QList<Note> longer = numberedNotes(3);
        for (Note &note : longer)
            note.body += QString(1 << 20, u'x'); // past the cache, and past the copy's end
        file.seed(longer);
        other.seed(numberedNotes(5));
        Session session(file.path());
        QSignalSpy again(&session, &Session::notesRead);
        const Session::Opening first = session.opening(); // the titles; the bodies wait
        std::filesystem::copy_file(other.path().toStdString(), file.path().toStdString(),
                                   std::filesystem::copy_options::overwrite_existing);
        session.write(stateOf(first)); // texts past the copy's end: a change, not damage
        QVERIFY(again.wait(5000));
        QCOMPARE(stateOf(again[0][0].value<Session::Opening>()).notes, numberedNotes(5));
        session.waitForWrites();
        QCOMPARE(file.rows(), rowsOf({numberedNotes(5), 8, 8}, true));
        QCOMPARE(QDir(file.folder()).entryList({"settings.db.*"}), QStringList());
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
