// Docking and centring in a work area. Guards against: docking that ignores
// a panel at the top or left or another screen, and centring from the
// screen's corner instead of the work area's. (Where each widget stands is
// checked by the end-to-end tests, which click them by their places.)
#include "core/windowlayout.h"

#include <QTest>

class tst_WindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void docking_data()
    {
        for (const char *column : {"workArea", "left", "right"})
            QTest::addColumn<QRect>(column);
        QTest::addColumn<QPoint>("centred");
        // clang-format off
        QTest::newRow("panel at the bottom") << QRect(0, 0, 1024, 738) << QRect(0, 0, 180, 738) << QRect(844, 0, 180, 738) << QPoint(313, 226);
        QTest::newRow("panel at the top") << QRect(0, 30, 1024, 738) << QRect(0, 30, 180, 738) << QRect(844, 30, 180, 738) << QPoint(313, 256);
        QTest::newRow("panel at the left") << QRect(48, 0, 976, 768) << QRect(48, 0, 180, 768) << QRect(844, 0, 180, 768) << QPoint(337, 241);
        QTest::newRow("second screen") << QRect(1024, 0, 1280, 1024) << QRect(1024, 0, 180, 1024) << QRect(2124, 0, 180, 1024) << QPoint(1465, 369);
        // clang-format on
    }

    void docking()
    {
        QFETCH(QRect, workArea);
        const QRect frame(400, 300, 180, 420);
        QTEST(dockedLeft(frame, workArea), "left");
        QTEST(dockedRight(frame, workArea), "right");
        QTEST(centredIn(QSize(397, 286), workArea), "centred");
    }
};

QTEST_GUILESS_MAIN(tst_WindowLayout)
#include "tst_windowlayout.moc"
