#include "app/shutdownsignals.h"
#include "app/singleinstance.h"
#include "mainwindow/form1.h"
#include "notes/settingsstore.h"
#include "scriptedplatform.h"
#include "tempstore.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>
#include <csignal>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

// Start-up reads the store once; every way out saves once and ends; a
// failed save is never silent; a damaged store is set aside, not overwritten.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void firstStartOnAnEmptyStore()
    {
        ScriptedPlatform platform;
        TempStore store;
        {
            Form1 w(platform, store.path());
            QCOMPARE(w.notes.notecount, 0);
            QCOMPARE(w.mainlist->font().pointSizeF(), 8.0);
            QCOMPARE(w.maintextbox->font().pointSizeF(), 8.0);
            // Only the load's marker is in the store while running.
            QCOMPARE(store.keys(QStringLiteral("notes")), QStringList{"temp"});
            QVERIFY(store.value(QStringLiteral("general"), QStringLiteral("notetotal")).isNull());
            w.close();
            QCOMPARE(platform.endCount, 1);
        }
        QCOMPARE(store.value(QStringLiteral("general"), QStringLiteral("notetotal")),
                 QStringLiteral("0"));
        QCOMPARE(store.value(QStringLiteral("general"), QStringLiteral("mainlistsize")),
                 QStringLiteral("8"));
        QCOMPARE(store.value(QStringLiteral("general"), QStringLiteral("maintextboxsize")),
                 QStringLiteral("8"));
        QVERIFY(store.keys(QStringLiteral("notes")).isEmpty());
        QVERIFY(platform.messageBoxes.isEmpty());
    }

    void storedSizesAndNotesComeBack()
    {
        ScriptedPlatform platform;
        TempStore store;
        store.seed({"a", "b"}, {"one\ntwo", ""}, 9.75f, 12);
        Form1 w(platform, store.path());
        QCOMPARE(w.mainlist->font().pointSizeF(), 9.75);
        QCOMPARE(w.maintextbox->font().pointSizeF(), 12.0);
        QCOMPARE(w.notes.titles(), (QStringList{"a", "b"}));
        QCOMPARE(w.notes.contents(), (QStringList{"one\ntwo", ""}));
    }

    void everyWayOutSavesOnce_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("closing the window") << 0;
        QTest::newRow("exit routine") << 1;
        QTest::newRow("exit icon") << 2;
    }

    void everyWayOutSavesOnce()
    {
        QFETCH(int, way);
        ScriptedPlatform platform;
        TempStore store;
        store.seedNumbered(3);
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.notes.curpos = 3;
        w.note_delete();
        if (way == 0)
            w.close();
        else if (way == 1)
            w.byebye();
        else
            w.icons_Click(5);
        QCOMPARE(platform.endCount, 1);
        QVERIFY(w.hasEnded());
        QCOMPARE(store.value(QStringLiteral("general"), QStringLiteral("notetotal")),
                 QStringLiteral("2"));
        QCOMPARE(store.keys(QStringLiteral("notes")),
                 (QStringList{"notecontent1", "notecontent2", "notetitle1", "notetitle2"}));

        // Nothing after the end saves again: a close that still arrives finds
        // the program ended.
        w.insertnotenow(QStringLiteral("late"), QStringLiteral("late"));
        w.close();
        QCOMPARE(platform.endCount, 1);
        QCOMPARE(store.value(QStringLiteral("general"), QStringLiteral("notetotal")),
                 QStringLiteral("2"));
    }

    void failedSaveIsNeverSilent()
    {
        ScriptedPlatform platform;
        TempStore store;
        store.seedNumbered(2);
        Form1 w(platform, store.path());
        w.insertnotenow(QStringLiteral("new"), QStringLiteral("body"));

        // Something else holds the database in an exclusive transaction.
        SettingsStore other(store.path());
        QCOMPARE(other.open(), SettingsStore::OpenResult::Opened);
        QVERIFY(other.begin());
        QVERIFY(other.write(QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"),
                            QStringLiteral("w")));

        // The first answer is Retry: the box comes back while the lock holds;
        // then the lock goes and the retry saves.
        platform.messageAnswers.enqueue(Platform::Retry);
        platform.messageAnswers.enqueue(Platform::Retry);
        int shown = 0;
        platform.whileBoxOpen = [&] {
            w.close(); // a termination signal while the box is open
            if (++shown == 2)
                other.rollback();
        };
        w.byebye();
        QCOMPARE(platform.messageBoxes.size(), 2);
        const auto &box = platform.messageBoxes[0];
        QCOMPARE(box.buttons, Platform::RetryCancel);
        QVERIFY2(box.prompt.contains(store.path()), qPrintable(box.prompt));
        QVERIFY(box.prompt.contains(QStringLiteral("could not save")));
        QCOMPARE(platform.endCount, 1);
        QCOMPARE(store.value(QStringLiteral("general"), QStringLiteral("notetotal")),
                 QStringLiteral("3"));
    }

    void cancelledSaveKeepsThePreviousStore()
    {
        ScriptedPlatform platform;
        TempStore store;
        store.seedNumbered(2);
        Form1 w(platform, store.path());
        w.notes.flush();
        SettingsStore other(store.path());
        QCOMPARE(other.open(), SettingsStore::OpenResult::Opened);
        QVERIFY(other.begin());
        QVERIFY(other.write(QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"),
                            QStringLiteral("w")));
        platform.messageAnswers.enqueue(Platform::Cancel);
        w.close();
        other.rollback();
        QCOMPARE(platform.messageBoxes.size(), 1);
        QCOMPARE(platform.endCount, 1);
        QCOMPARE(store.value(QStringLiteral("general"), QStringLiteral("notetotal")),
                 QStringLiteral("2"));
        QCOMPARE(store.value(QStringLiteral("notes"), QStringLiteral("notetitle2")),
                 QStringLiteral("t2"));
    }

    void unusableStoreIsToldAtStartAndAtExit()
    {
        ScriptedPlatform platform;
        TempStore store;
        QVERIFY(QDir().mkpath(store.path())); // a folder where the file should be
        Form1 w(platform, store.path());
        QCOMPARE(platform.messageBoxes.size(), 1);
        QVERIFY(platform.messageBoxes[0].prompt.contains(store.path()));
        QCOMPARE(w.notes.notecount, 0);

        w.insertnotenow(QStringLiteral("kept"), QStringLiteral("body"));
        // Retry once the way is clear: the note reaches the store.
        platform.messageAnswers.enqueue(Platform::Retry);
        platform.whileBoxOpen = [&] { QDir().rmdir(store.path()); };
        w.byebye();
        QCOMPARE(platform.messageBoxes.size(), 2);
        QCOMPARE(platform.messageBoxes[1].buttons, Platform::RetryCancel);
        QCOMPARE(store.value(QStringLiteral("notes"), QStringLiteral("notetitle1")),
                 QStringLiteral("kept"));
    }

    // Notes that could not be read at start are not saved over at exit.
    void notesUnreadAtStartAreKept()
    {
        ScriptedPlatform platform;
        TempStore store;
        store.seed({"old one", "old two"}, {"1", "2"});
        sqlite3 *other = nullptr;
        QCOMPARE(sqlite3_open(store.path().toUtf8().constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

        Form1 w(platform, store.path());
        QCOMPARE(platform.messageBoxes.size(), 1);
        QCOMPARE(w.notes.notecount, 0);
        QCOMPARE(w.mainlist->font().pointSizeF(), 8.0);
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);

        w.insertnotenow(QStringLiteral("new"), QStringLiteral("3"));
        w.byebye();
        QCOMPARE(platform.messageBoxes.size(), 1);
        QCOMPARE(store.value(QStringLiteral("general"), QStringLiteral("notetotal")),
                 QStringLiteral("3"));
        QCOMPARE(store.value(QStringLiteral("notes"), QStringLiteral("notetitle1")),
                 QStringLiteral("old one"));
        QCOMPARE(store.value(QStringLiteral("notes"), QStringLiteral("notetitle3")),
                 QStringLiteral("new"));
    }

    void damagedStoreIsSetAside()
    {
        ScriptedPlatform platform;
        TempStore store;
        QVERIFY(QDir().mkpath(store.folder()));
        QFile garbage(store.path());
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        const QByteArray bytes =
            QByteArray("this is not a database, but it was someone's").repeated(100);
        garbage.write(bytes);
        garbage.close();

        Form1 w(platform, store.path());
        QCOMPARE(platform.messageBoxes.size(), 1);
        const QString prompt = platform.messageBoxes[0].prompt;
        QCOMPARE(w.notes.notecount, 0);
        const QString aside = w.settingsStore().quarantinedPath();
        QVERIFY(!aside.isEmpty());
        QVERIFY(prompt.contains(aside));
        QFile kept(aside);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);
    }

    void secondStartAsksTheFirstToComeForward()
    {
        TempStore store;
        QVERIFY(QDir().mkpath(store.folder()));
        SingleInstance first(store.path());
        QVERIFY(first.acquire());
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        SingleInstance second(store.path());
        QVERIFY(!second.acquire());
        QTRY_COMPARE(raised.size(), 1);
    }

    void staleLockDoesNotBlockAStart()
    {
        TempStore store;
        QVERIFY(QDir().mkpath(store.folder()));
        // A lock file left by a process of this machine that no longer exists.
        const pid_t gone = ::fork();
        if (gone == 0)
            ::_exit(0);
        QVERIFY(gone > 0);
        ::waitpid(gone, nullptr, 0);
        QFile lock(store.path() + QStringLiteral(".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QStringLiteral("%1\nquillbox\n%2\n")
                       .arg(gone)
                       .arg(QSysInfo::machineHostName())
                       .toUtf8());
        lock.close();
        SingleInstance instance(store.path());
        QVERIFY(instance.acquire());
    }

    void terminationSignalsBecomeACloseRequest_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }

    void terminationSignalsBecomeACloseRequest()
    {
        QFETCH(int, signalNumber);
        ShutdownSignals signals_;
        QSignalSpy requested(&signals_, &ShutdownSignals::terminationRequested);
        ::raise(signalNumber);
        QTRY_COMPARE(requested.size(), 1);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
