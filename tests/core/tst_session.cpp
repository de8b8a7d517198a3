// Reading a store, writing every change at once and ending the session, on
// real files. Guards against: a text not as given (byte-order marks, NUL,
// lone surrogates), a change that waits for the end, a layout left odd after
// a session (a count above the notes, a key no note's), a count that cannot
// be read hiding notes that are then deleted, a failed read taken for "no
// notes", a failed write not told or not tried again, an exit that waits
// once per queued write, a message naming the file twice, damage that
// empties readable notes or is written into, a store removed, replaced or
// changed underneath written as a difference, a read-only store that stays
// failed once mended, and a path too long for SQLite's own file layer.
#include "core/session.h"
#include "storefile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

namespace
{

Session::State stateOf(const Session::Opening &opening)
{
    return {opening.notebook.notes(), opening.titleListPoints, opening.noteTextPoints};
}

StoredLayout::State layout(const Session::State &state, bool running)
{
    return {state.notes, state.titleListPoints, state.noteTextPoints, running};
}

QStringList setAside(const StoreFile &file)
{
    return QDir(file.folder()).entryList({"settings.db.*-*"});
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

    // Each state is in the store once written, with the session's mark; the
    // end takes the mark away; the next session reads it all back.
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
            first.waitForWrites();
            if (pathLength == 0)
                QCOMPARE(file.rows(), StoreFile::rowsOf(layout(state, true)));
            state.notes.removeLast();
            first.write(state);
            QVERIFY(first.finish());
        }
        if (pathLength == 0)
            QCOMPARE(file.rows(), StoreFile::rowsOf(layout(state, false)));
        Session second(path);
        const Session::Opening opening = second.opening();
        QCOMPARE(opening.notebook.title(1), texts[1]);
        QCOMPARE(stateOf(opening).notes, state.notes);
        QCOMPARE(opening.titleListPoints, 9.75f);
    }

    void oddStores_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("notes");
        const QString count = "UPDATE settings SET value = '%1' WHERE key = 'notetotal'";
        QTest::newRow("count above the notes stored") << count.arg("3") << 3;
        QTest::newRow("count no number") << count.arg("1e9") << 2;
        QTest::newRow("count negative") << count.arg("-1") << 2;
        QTest::newRow("count missing") << "DELETE FROM settings WHERE key = 'notetotal'" << 2;
        QTest::newRow("a key no note's")
            << "INSERT INTO settings VALUES ('qbxlm120', 'notes', 'notetitle03', 'x')" << 2;
        QTest::newRow("sizes with blanks and a decimal comma")
            << "UPDATE settings SET value = ' 9,75' WHERE key LIKE 'main%'" << 2;
        QTest::newRow("a log left by an earlier version") << "PRAGMA journal_mode = WAL" << 2;
    }

    // Notes past those stored load as "Your note" / "note"; no stored note
    // is hidden; after the session the store holds exactly the layout of
    // what was read, as the full save has always written it.
    void oddStores()
    {
        QFETCH(QString, sql);
        StoreFile file;
        file.seed(numberedNotes(2));
        QVERIFY(file.exec(qPrintable(sql)));
        file.unlock();
        Session session(file.path());
        const Session::State read = stateOf(session.opening());
        QTEST(int(read.notes.size()), "notes");
        if (read.notes.size() == 3)
            QCOMPARE(read.notes[2], (Note{"Your note", "note"}));
        QVERIFY(session.finish());
        QCOMPARE(file.rows(), StoreFile::rowsOf(layout(read, false)));
        QVERIFY(!QFile::exists(file.path() + "-wal"));
    }

    // Another program's lock at the start: the read waits briefly, says so,
    // and is tried again until it succeeds; nothing is written meanwhile.
    // At the exit, writes queued behind a lock wait once in all, and fail
    // with one sentence that names the file once.
    void locked()
    {
        StoreFile file;
        file.seed(numberedNotes(492));
        QVERIFY(file.lock());
        Session session(file.path(), 250);
        std::optional<Session::Opening> later;
        connect(&session, &Session::notesRead, this,
                [&later](const Session::Opening &read) { later = read; });
        const Session::Opening opening = session.opening();
        QVERIFY(!opening.read && opening.notebook.isEmpty());
        QVERIFY2(opening.problem.contains(file.path()) && opening.problem.contains("locked"),
                 qPrintable(opening.problem));
        QCOMPARE(session.condition(), Session::Condition::Unread);
        file.unlock();
        QTRY_VERIFY_WITH_TIMEOUT(later.has_value(), 5000);
        Session::State state = stateOf(*later);
        QCOMPARE(state.notes, numberedNotes(492));
        session.waitForWrites();
        QVERIFY(file.lock());
        QElapsedTimer held;
        held.start();
        for (int k = 1; k <= 8; ++k) { // one wait in all, not one each
            state.notes.append({"new", QString::number(k)});
            session.write(state);
        }
        QVERIFY(!session.finish());
        QVERIFY2(held.elapsed() < 1000, qPrintable(QString::number(held.elapsed())));
        QCOMPARE(session.saveProblem().count(file.path()), 1);
        QVERIFY(session.saveProblem().contains("locked"));
        file.unlock();
        QVERIFY(session.finish());
        QCOMPARE(file.rows(), StoreFile::rowsOf(layout(state, false)));
    }

    // A store found read-only (a read-only folder, as a read-only mount
    // makes it for root too) is read; writes fail, told once, and succeed
    // once the user mends it.
    void readOnlyMended()
    {
        StoreFile file;
        file.seed(numberedNotes(3));
        if (!file.setReadOnly(true))
            QSKIP("no way to make a folder read-only here");
        Session session(file.path(), 100);
        QSignalSpy told(&session, &Session::conditionChanged);
        Session::State state = stateOf(session.opening());
        state.notes[0].body = "changed";
        session.write(state);
        session.waitForWrites();
        QVERIFY(!session.finish());
        QVERIFY2(session.saveProblem().contains("read-only"), qPrintable(session.saveProblem()));
        const auto failing = [&told] {
            return std::count_if(told.cbegin(), told.cend(), [](const QVariantList &signal) {
                return signal[0].value<Session::Condition>() == Session::Condition::Failing;
            });
        };
        QTRY_COMPARE(failing(), 1);
        QVERIFY(file.setReadOnly(false));
        QVERIFY(session.finish());
        QCOMPARE(file.rows(), StoreFile::rowsOf(layout(state, false)));
    }

    void underneath_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("label");
        QTest::newRow("a damaged page among the bodies") << "damaged"
                                                         << "damaged";
        QTest::newRow("removed") << "removed"
                                 << "";
        QTest::newRow("replaced by another store") << "replaced"
                                                   << "changed";
        QTest::newRow("another store copied over it") << "copied"
                                                      << "changed";
        QTest::newRow("changed by another program") << "changed"
                                                    << "changed";
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
            const QByteArray run = QString(1000, u'B').toUtf8().replace("B", QByteArray("B\0", 2));
            qsizetype at = bytes.indexOf(run);
            while (at >= 0 && at % 4096 != 4)
                at = bytes.indexOf(run, at + 1);
            QVERIFY(at > 0 && db.seek(at - 4) && db.write("\xff\xff\xff\xff") == 4);
            notes[1].body = "";
        }
        Session session(file.path(), 200);
        QSignalSpy told(&session, &Session::storeReplaced);
        const Session::Opening opening = session.opening();
        QVERIFY2(opening.problem.isEmpty(), qPrintable(opening.problem));
        QCOMPARE(stateOf(opening).notes, notes);
        session.waitForWrites();
        if (trouble == "removed")
            QVERIFY(QFile::remove(file.path()));
        if (trouble == "replaced")
            QVERIFY(::rename(QFile::encodeName(other.path()), QFile::encodeName(file.path())) == 0);
        if (trouble == "copied") {
            QFile db(file.path()), copy(other.path());
            QVERIFY(db.open(QIODevice::WriteOnly) && copy.open(QIODevice::ReadOnly));
            QVERIFY(db.write(copy.readAll()) > 0);
        }
        if (trouble == "changed")
            QVERIFY(file.exec("UPDATE settings SET value = 'x' WHERE key = 'notetitle2'"));
        file.unlock();
        notes[0].title = "renamed";
        session.write({notes, 8, 8});
        session.waitForWrites();
        QTRY_COMPARE(told.size(), 1);
        const QString message = told[0][0].toString();
        QFETCH(QString, label);
        const QStringList found = setAside(file);
        QCOMPARE(found.size(), int(!label.isEmpty()));
        QVERIFY2(message.contains(file.path()) && message.contains(found.value(0)) &&
                     (label.isEmpty() || found.value(0).startsWith("settings.db." + label)) &&
                     message.contains(trouble == "damaged" ? "read in full: 2 \"B\"." : ""),
                 qPrintable(message));
        QCOMPARE(file.rows(), StoreFile::rowsOf({notes, 8, 8, true}));
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
