// Termination signals become a close request on the event loop, where the
// window saves. Guards against a signal that ends the program unsaved.
#include "app/terminationsignals.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>

class tst_TerminationSignals : public QObject
{
    Q_OBJECT

private slots:
    void becomeACloseRequest_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }

    void becomeACloseRequest()
    {
        QFETCH(int, signalNumber);
        TerminationSignals signals_;
        QSignalSpy requested(&signals_, &TerminationSignals::terminationRequested);
        ::raise(signalNumber);
        QTRY_COMPARE(requested.size(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_TerminationSignals)
#include "tst_terminationsignals.moc"
