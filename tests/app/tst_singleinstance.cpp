// One running copy per store. Guards against: a later start that runs beside
// the first or does not raise it, and a start that runs without the lock or
// does not say which file and why. Later starts that meet a closing copy are
// real processes in tests/e2e/test_secondstart.sh.
#include "app/singleinstance.h"
#include "storefile.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <future>

using Start = SingleInstance::Start;

class tst_SingleInstance : public QObject
{
    Q_OBJECT

private slots:
    // Each later start, on a thread of its own as in a process of its own,
    // asks the running copy to come forward, and leaves.
    void laterStartsHandOver()
    {
        StoreFile file;
        SingleInstance running(file.path());
        QCOMPARE(running.acquire(), Start::Run);
        QSignalSpy raised(&running, &SingleInstance::raiseRequested);
        const auto start = [&file] { return SingleInstance(file.path()).acquire(); };
        std::future<Start> second = std::async(std::launch::async, start);
        std::future<Start> third = std::async(std::launch::async, start);
        QTRY_COMPARE(raised.size(), 2);
        QCOMPARE(QList({second.get(), third.get()}), QList({Start::HandedOver, Start::HandedOver}));
    }

    void folderWhereTheLockGoes()
    {
        StoreFile file;
        const QString lockPath = file.path() + QStringLiteral(".lock");
        QVERIFY(QDir().mkpath(lockPath));
        SingleInstance instance(file.path());
        QCOMPARE(instance.acquire(), Start::Refused);
        QVERIFY2(instance.problem().contains(lockPath + " (" + qt_error_string(EISDIR) + ')'),
                 qPrintable(instance.problem()));
    }
};

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
