// One running copy per store. Guards against: a second start that runs
// beside the first or does not raise it, and one that hands over to a copy
// that is closing (and so shows nothing).
#include "app/singleinstance.h"
#include "storefile.h"

#include <QSignalSpy>
#include <QTest>

#include <future>

namespace
{

// A second start, on a thread of its own as in a process of its own.
std::future<SingleInstance::Start> startAgain(const QString &path)
{
    return std::async(std::launch::async, [path] { return SingleInstance(path).acquire(); });
}

bool isDone(const std::future<SingleInstance::Start> &start)
{
    return start.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

} // namespace

class tst_SingleInstance : public QObject
{
    Q_OBJECT

private slots:
    // A second start raises the running copy and ends; one while that copy
    // closes waits for it to end, then runs.
    void secondStart()
    {
        StoreFile file;
        auto first = std::make_unique<SingleInstance>(file.path());
        QCOMPARE(first->acquire(), SingleInstance::Start::Run);
        QSignalSpy raised(first.get(), &SingleInstance::raiseRequested);
        auto second = startAgain(file.path());
        QTRY_VERIFY(isDone(second));
        QCOMPARE(second.get(), SingleInstance::Start::HandedOver);
        QCOMPARE(raised.size(), 1);
        first->setClosing();
        auto third = startAgain(file.path());
        QTest::qWait(300);
        QVERIFY(!isDone(third));
        first.reset();
        QTRY_VERIFY(isDone(third));
        QCOMPARE(third.get(), SingleInstance::Start::Run);
        QCOMPARE(raised.size(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
