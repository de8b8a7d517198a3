#include "mainwindow/form1.h"
#include "mainwindow/layoutrules.h"
#include "shownwindow.h"
#include "toolbar/picturebutton.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <cmath>

namespace
{

constexpr int twips = Platform::twipsPerPixel;

// Every widget that follows the window's size, and the design values the
// layout must leave alone, for an outer size of wp x hp pixels.
void checkLayout(const Form1 &w, int wp, int hp)
{
    const WindowLayout l = layoutfor(wp, hp);
    QCOMPARE(w.mainlist->geometry(), QRect(5, 55, l.mainlistWidth, l.mainlistHeight));
    QCOMPARE(w.Label1->geometry(), QRect(5, l.label1Top, 166, 16));
    QCOMPARE(w.maintextbox->geometry(), QRect(5, l.maintextboxTop, l.maintextboxWidth, 104));
    QCOMPARE(w.searchbox->geometry(), QRect(5, 30, l.searchboxWidth, 21));
    QCOMPARE(w.ico_search->pos(), QPoint(l.icoSearchLeft, 30));
    QCOMPARE(w.status->geometry(), QRect(5, l.statusTop, l.statusWidth, 20));
    QCOMPARE(w.buttop, l.buttop);
    QCOMPARE(w.butleft, l.butleft);
    for (std::size_t i = 0; i < w.but.size(); ++i)
        QCOMPARE(w.but[i]->pos(), QPoint(l.butLefts[i], l.buttop));
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    // The start width is an outer width, and the frame is only known once
    // the window is shown: the width and the layout must be right then.
    void startsNarrowAndLaidOut()
    {
        ShownWindow s;
        QVERIFY(s.exposed);
        const QRect outer = s.platform.windowGeometry(&s.w);
        QCOMPARE(outer.width(), 2700);
        QCOMPARE(outer.height(), (Form1::designClientHeight + s.frame().height()) * twips);
        checkLayout(s.w, 180, outer.height() / twips);
    }

    void followsEveryResize_data()
    {
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("outer");
        QTest::newRow("400x600") << QSize(400, 600) << QSize(400, 600);
        QTest::newRow("smallest") << QSize(180, 300) << QSize(180, 300);
        QTest::newRow("too narrow") << QSize(120, 500) << QSize(180, 500);
        QTest::newRow("too low") << QSize(500, 200) << QSize(500, 300);
        QTest::newRow("both too small") << QSize(60, 40) << QSize(180, 300);
    }

    void followsEveryResize()
    {
        QFETCH(QSize, asked);
        QFETCH(QSize, outer);
        ShownWindow s;
        QVERIFY(s.exposed);
        s.platform.resizeWindow(&s.w, asked.width() * twips, asked.height() * twips);
        QCOMPARE(s.platform.windowGeometry(&s.w).size(), outer * twips);
        checkLayout(s.w, outer.width(), outer.height());
    }

    // The window manager learns the smallest size from the minimum, and the
    // layout snaps back whatever got through.
    void smallestSizeHeldTwice()
    {
        ShownWindow s;
        QVERIFY(s.exposed);
        QCOMPARE(s.w.minimumSize(), QSize(180, 300) - s.frame());
        s.w.setMinimumSize(0, 0);
        s.w.resize(100, 120);
        QCOMPARE(s.w.frameGeometry().size(), QSize(180, 300));
        QCOMPARE(s.w.minimumSize(), QSize(180, 300) - s.frame());
        checkLayout(s.w, 180, 300);
    }

    void minimisedRunsNoLayoutUntilRestored()
    {
        ShownWindow s;
        QVERIFY(s.exposed);
        s.platform.resizeWindow(&s.w, 200 * twips, 320 * twips);
        s.platform.scriptedState = Platform::Minimized;
        s.w.showMinimized();
        s.platform.resizeWindow(&s.w, 400 * twips, 600 * twips);
        checkLayout(s.w, 200, 320);

        s.platform.scriptedState.reset();
        s.w.showNormal();
        QCOMPARE(s.w.frameGeometry().size(), QSize(400, 600));
        checkLayout(s.w, 400, 600);
    }

    void maximisedFollowsItsSize()
    {
        ShownWindow s;
        QVERIFY(s.exposed);
        s.w.showMaximized();
        QTRY_VERIFY(s.w.frameGeometry().width() > 400);
        checkLayout(s.w, s.w.frameGeometry().width(), s.w.frameGeometry().height());
    }

    void docking_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("startWidth");
        QTest::addColumn<int>("workHeight");
        QTest::addColumn<QRect>("docked"); // twips

        QTest::newRow("left") << false << 180 << 738 << QRect(0, 0, 2700, 11070);
        QTest::newRow("left, wider") << false << 250 << 738 << QRect(0, 0, 3750, 11070);
        QTest::newRow("right") << true << 180 << 738 << QRect(12660, 0, 2700, 11070);
        QTest::newRow("right, wider") << true << 250 << 738 << QRect(11610, 0, 3750, 11070);
        // A work area lower than the smallest height still gives 300 pixels.
        QTest::newRow("right, low work area") << true << 180 << 250 << QRect(12660, 0, 2700, 4500);
    }

    void docking()
    {
        QFETCH(bool, right);
        QFETCH(int, startWidth);
        QFETCH(int, workHeight);
        QFETCH(QRect, docked);
        ShownWindow s({1024, workHeight});
        QVERIFY(s.exposed);
        s.platform.moveWindow(&s.w, 300 * twips, 120 * twips);
        s.platform.resizeWindow(&s.w, startWidth * twips, 400 * twips);

        right ? s.w.dockright() : s.w.dockleft();
        QCOMPARE(s.platform.windowGeometry(&s.w), docked);
        checkLayout(s.w, startWidth, docked.height() / twips);
    }

    void dockingOnASecondScreen()
    {
        ShownWindow s;
        QVERIFY(s.exposed);
        s.platform.scriptedScreenOrigin = QPoint(1280, 0) * twips;
        s.w.dockleft();
        QCOMPARE(s.platform.windowGeometry(&s.w).topLeft(), QPoint(1280 * twips, 0));
        s.w.dockright();
        QCOMPARE(s.platform.windowGeometry(&s.w).topLeft(), QPoint((1280 + 844) * twips, 0));
    }

    void dockingDoesNothingUnlessNormal_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("state");
        QTest::newRow("left, minimised") << false << int(Platform::Minimized);
        QTest::newRow("left, maximised") << false << int(Platform::Maximized);
        QTest::newRow("right, minimised") << true << int(Platform::Minimized);
        QTest::newRow("right, maximised") << true << int(Platform::Maximized);
    }

    void dockingDoesNothingUnlessNormal()
    {
        QFETCH(bool, right);
        QFETCH(int, state);
        ShownWindow s;
        QVERIFY(s.exposed);
        s.platform.moveWindow(&s.w, 300 * twips, 120 * twips);
        const QRect before = s.platform.windowGeometry(&s.w);

        s.platform.scriptedState = Platform::WindowState(state);
        right ? s.w.dockright() : s.w.dockleft();
        QCOMPARE(s.platform.windowGeometry(&s.w), before);
        checkLayout(s.w, 180, before.height() / twips);
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
