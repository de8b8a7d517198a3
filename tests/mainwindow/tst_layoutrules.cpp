#include "mainwindow/layoutrules.h"

#include <QTest>

using Lefts = std::array<int, 6>;
Q_DECLARE_METATYPE(WindowLayout)

class TestLayoutRules : public QObject
{
    Q_OBJECT

private slots:
    void everyWidget_data()
    {
        QTest::addColumn<int>("wp");
        QTest::addColumn<int>("hp");
        QTest::addColumn<WindowLayout>("expected");

        // Field order: list width, list height, text box width, text box top,
        // label top, button top, button left, six button lefts, search image
        // left, search field width, status top, status width.
        QTest::newRow("smallest 180x300")
            << 180 << 300
            << WindowLayout{162, 53,  162, 128, 108, 232, 58, Lefts{58, 76, 94, 112, 130, 148},
                            145, 140, 252, 162};
        QTest::newRow("400x600") << 400 << 600
                                 << WindowLayout{382, 353, 382, 428,
                                                 408, 532, 278, Lefts{278, 296, 314, 332, 350, 368},
                                                 365, 360, 552, 382};
        QTest::newRow("maximised 1024x740")
            << 1024 << 740 << WindowLayout{1006, 493, 1006, 568,
                                           548,  672, 902,  Lefts{902, 920, 938, 956, 974, 992},
                                           989,  984, 692,  1006};
        QTest::newRow("wide and low 600x300")
            << 600 << 300
            << WindowLayout{582, 53,  582, 128, 108, 232, 478, Lefts{478, 496, 514, 532, 550, 568},
                            565, 560, 252, 582};
    }

    void everyWidget()
    {
        QFETCH(int, wp);
        QFETCH(int, hp);
        QFETCH(WindowLayout, expected);

        const WindowLayout l = layoutfor(wp, hp);
        QCOMPARE(l.mainlistWidth, expected.mainlistWidth);
        QCOMPARE(l.mainlistHeight, expected.mainlistHeight);
        QCOMPARE(l.maintextboxWidth, expected.maintextboxWidth);
        QCOMPARE(l.maintextboxTop, expected.maintextboxTop);
        QCOMPARE(l.label1Top, expected.label1Top);
        QCOMPARE(l.buttop, expected.buttop);
        QCOMPARE(l.butleft, expected.butleft);
        for (std::size_t i = 0; i < 6; ++i)
            QCOMPARE(l.butLefts[i], expected.butLefts[i]);
        QCOMPARE(l.icoSearchLeft, expected.icoSearchLeft);
        QCOMPARE(l.searchboxWidth, expected.searchboxWidth);
        QCOMPARE(l.statusTop, expected.statusTop);
        QCOMPARE(l.statusWidth, expected.statusWidth);
    }

    // How the widgets meet one another must hold at any size, not only at
    // the worked examples (design sizes: list top 55, text box 104 high,
    // note buttons 18 wide, search image 21 wide, search field left 5).
    void edgesMeetAtAnySize()
    {
        for (int wp = 180; wp <= 1600; wp += 37) {
            for (int hp = 300; hp <= 1200; hp += 41) {
                const WindowLayout l = layoutfor(wp, hp);
                const QString where = QStringLiteral("%1x%2").arg(wp).arg(hp);
                const auto at = qPrintable(where);
                QVERIFY2(55 + l.mainlistHeight == l.label1Top, at);
                QVERIFY2(l.maintextboxTop + 104 == l.buttop, at);
                QVERIFY2(l.buttop + 18 + 2 == l.statusTop, at);
                QVERIFY2(l.butLefts[5] + 18 == wp - 14, at);
                QVERIFY2(l.icoSearchLeft + 21 == wp - 14, at);
                QVERIFY2(5 + l.searchboxWidth == l.icoSearchLeft, at);
                QVERIFY2(5 + l.mainlistWidth == wp - 13, at);
                QVERIFY2(5 + l.maintextboxWidth == wp - 13, at);
                QVERIFY2(5 + l.statusWidth == wp - 13, at);
                for (std::size_t i = 1; i < 6; ++i)
                    QVERIFY2(l.butLefts[i] - l.butLefts[i - 1] == 18, at);
                QVERIFY2(l.butLefts[0] == l.butleft, at);
            }
        }
    }

    void twipsToPixels_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");

        QTest::newRow("exact 180") << 2700.0 << 180;
        QTest::newRow("screen width") << 15360.0 << 1024;
        QTest::newRow("just under a half") << 2707.0 << 180;
        QTest::newRow("just over a half") << 2708.0 << 181;
        QTest::newRow("half to even, down") << 37.5 << 2;
        QTest::newRow("half to even, up") << 22.5 << 2;
        QTest::newRow("half to even, 180.5") << 2707.5 << 180;
        QTest::newRow("half to even, 181.5") << 2722.5 << 182;
        QTest::newRow("half of one pixel") << 7.5 << 0;
        QTest::newRow("negative half") << -22.5 << -2;
    }

    void twipsToPixels()
    {
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QCOMPARE(twipstopixels(twips), pixels);
    }
};

QTEST_APPLESS_MAIN(TestLayoutRules)
#include "tst_layoutrules.moc"
