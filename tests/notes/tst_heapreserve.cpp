#include "notes/heapreserve.h"

#include <QStringList>
#include <QTest>

#include <sys/resource.h>

namespace
{

long minorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// Makes 7.6 MB of note-sized texts, as a load does, and counts the page
// faults that took.
long faultsToMakeTexts()
{
    const long before = minorFaults();
    QStringList texts;
    for (int i = 0; i < 380; ++i)
        texts.append(QString(10000, QChar(u'a' + i % 26)));
    return minorFaults() - before;
}

} // namespace

class TestHeapReserve : public QObject
{
    Q_OBJECT

private slots:
    void reservedPagesHoldTheTexts()
    {
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
        QSKIP("the reservation works with the C library's own allocator only");
#endif
        // 1,900 pages: without a reservation nearly every one faults.
        const long unreserved = faultsToMakeTexts();
        QVERIFY2(unreserved > 1500, qPrintable(QString::number(unreserved)));
        reserveheap(qint64(8) << 20);
        const long reserved = faultsToMakeTexts();
        QVERIFY2(reserved < unreserved / 5,
                 qPrintable(QStringLiteral("%1 faults, %2 without").arg(reserved).arg(unreserved)));
        // Small amounts are not worth a reservation; they must do no harm.
        reserveheap(0);
        reserveheap(-1);
        reserveheap(4096);
    }
};

QTEST_GUILESS_MAIN(TestHeapReserve)
#include "tst_heapreserve.moc"
