// One running copy per store. Guards against: a later start that runs beside
// the first or does not raise it; one that hands over to a closing copy (and
// so shows nothing) or leaves it unasked to show its box; starts that waited
// for a close each running in turn; and a start that runs without the lock.
#include "app/singleinstance.h"
#include "storefile.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <optional>

using Start = SingleInstance::Start;

// A later start, on a thread of its own as in a process of its own; one that
// runs answers the starts after it until the thread quits.
struct LaterStart : QThread {
    explicit LaterStart(const QString &path) : path(path) { start(); }
    ~LaterStart() override
    {
        quit();
        if (!wait(QDeadlineTimer(5000)))
            qFatal("a later start never ended");
    }
    void run() override
    {
        SingleInstance instance(path);
        result = instance.acquire();
        if (result.load() == Start::Run)
            exec();
    }
    const QString path;
    std::atomic<std::optional<Start>> result;
};

class tst_SingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void laterStarts_data()
    {
        QTest::addColumn<bool>("lockIsFolder");
        QTest::addColumn<bool>("closing");
        QTest::addColumn<Start>("first");
        QTest::addColumn<QList<Start>>("later"); // in the order of Start
        QTest::newRow("beside a running copy")
            << false << false << Start::Run << QList{Start::HandedOver, Start::HandedOver};
        QTest::newRow("three while it closes")
            << false << true << Start::Run
            << QList{Start::Run, Start::HandedOver, Start::HandedOver};
        QTest::newRow("a folder where the lock file goes")
            << true << false << Start::Refused << QList{Start::Refused};
    }

    // Each later start asks the running copy to come forward (a closing one
    // shows its box); those that find it closing wait for its end, and then
    // exactly one of them runs while the others hand over to that one.
    void laterStarts()
    {
        QFETCH(bool, lockIsFolder);
        QFETCH(bool, closing);
        QFETCH(Start, first);
        QFETCH(QList<Start>, later);
        StoreFile file;
        const QString lockPath = file.path() + QStringLiteral(".lock");
        QVERIFY(!lockIsFolder || QDir().mkpath(lockPath));
        auto running = std::make_unique<SingleInstance>(file.path());
        QCOMPARE(running->acquire(), first);
        QSignalSpy raised(running.get(), &SingleInstance::raiseRequested);
        if (closing)
            running->setClosing();

        std::vector<std::unique_ptr<LaterStart>> starts;
        for (qsizetype k = 0; k < later.size(); ++k)
            starts.push_back(std::make_unique<LaterStart>(file.path()));
        const auto ended = [&starts] {
            QList<Start> results;
            for (const auto &start : starts)
                if (const std::optional<Start> result = start->result)
                    results.append(*result);
            std::sort(results.begin(), results.end());
            return results;
        };
        QTRY_COMPARE(raised.size(), first == Start::Run ? later.size() : 0);
        if (closing) {
            QTest::qWait(300);
            QVERIFY(ended().isEmpty());
            running.reset();
        }
        QTRY_COMPARE(ended(), later);
        if (first == Start::Refused)
            QVERIFY2(running->problem().contains(lockPath + " (" + qt_error_string(EISDIR) + ')'),
                     qPrintable(running->problem()));
    }
};

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
