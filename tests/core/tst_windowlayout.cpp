// The window's geometry rules. Guards against: a widget off by a pixel at
// the smallest or a larger size, docking that ignores a panel at the top or
// left, and centring from the screen's corner instead of the work area's.
#include "core/windowlayout.h"

#include <QTest>

class tst_WindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void places_data()
    {
        QTest::addColumn<QSize>("outer");
        for (const char *column : {"titleList", "countLine", "noteText", "searchField", "status"})
            QTest::addColumn<QRect>(column);
        QTest::addColumn<QPoint>("searchButton");
        QTest::addColumn<QPoint>("firstNoteButton");
        // clang-format off
        QTest::newRow("the smallest") << QSize(180, 300)
            << QRect(5, 55, 162, 53) << QRect(5, 108, 166, 16) << QRect(5, 128, 162, 104)
            << QRect(5, 30, 140, 21) << QRect(5, 252, 162, 20) << QPoint(145, 30) << QPoint(58, 232);
        QTest::newRow("400 x 600") << QSize(400, 600)
            << QRect(5, 55, 382, 353) << QRect(5, 408, 166, 16) << QRect(5, 428, 382, 104)
            << QRect(5, 30, 360, 21) << QRect(5, 552, 382, 20) << QPoint(365, 30) << QPoint(278, 532);
        // clang-format on
    }

    void places()
    {
        QFETCH(QSize, outer);
        const auto layout = WindowLayout::forOuterSize(outer);
        QTEST(layout.titleList, "titleList");
        QTEST(layout.countLine, "countLine");
        QTEST(layout.noteText, "noteText");
        QTEST(layout.searchField, "searchField");
        QTEST(layout.statusLine, "status");
        QTEST(layout.searchButton, "searchButton");
        QTEST(layout.noteButtons[0], "firstNoteButton");
        // Edge to edge at an 18-pixel pitch, the last ending with the search button.
        for (std::size_t i = 1; i < layout.noteButtons.size(); ++i)
            QCOMPARE(layout.noteButtons[i], layout.noteButtons[0] + QPoint(18 * int(i), 0));
        QCOMPARE(layout.noteButtons[5].x() + 18, layout.searchButton.x() + 21);
    }

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
