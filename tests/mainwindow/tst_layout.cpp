#include "mainwindow/form1.h"
#include "mainwindow/layoutrules.h"
#include "scriptedplatform.h"
#include "tempstore.h"
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

// The scripted platform gives a window the asked outer size as its client
// size; offscreen windows do carry a small frame, so take it off here as the
// real platform does.
class FramedPlatform : public ScriptedPlatform
{
public:
    void resizeWindow(QWidget *window, int width, int height) override
    {
        const QSize frame = window->frameGeometry().size() - window->size();
        window->resize(int(std::lround(width / double(twips))) - frame.width(),
                       int(std::lround(height / double(twips))) - frame.height());
    }
};

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
        FramedPlatform platform;
        TempStore store;
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        const QSize frame = w.frameGeometry().size() - w.size();
        const QRect outer = platform.windowGeometry(&w);
        QCOMPARE(outer.width(), 2700);
        QCOMPARE(outer.height(), (Form1::designClientHeight + frame.height()) * twips);
        checkLayout(w, 180, outer.height() / twips);
        QCOMPARE(w.mainlist->width(), 162);
    }

    void followsEveryResize_data()
    {
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("outer");

        QTest::newRow("400x600") << QSize(400, 600) << QSize(400, 600);
        QTest::newRow("smallest") << QSize(180, 300) << QSize(180, 300);
        QTest::newRow("wide") << QSize(900, 320) << QSize(900, 320);
        QTest::newRow("too narrow") << QSize(120, 500) << QSize(180, 500);
        QTest::newRow("too low") << QSize(500, 200) << QSize(500, 300);
        QTest::newRow("both too small") << QSize(60, 40) << QSize(180, 300);
    }

    void followsEveryResize()
    {
        QFETCH(QSize, asked);
        QFETCH(QSize, outer);

        FramedPlatform platform;
        TempStore store;
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        platform.resizeWindow(&w, asked.width() * twips, asked.height() * twips);
        QCOMPARE(platform.windowGeometry(&w).size(), outer * twips);
        checkLayout(w, outer.width(), outer.height());
    }

    // The window manager learns the smallest size from the minimum, and the
    // layout snaps back whatever got through.
    void smallestSizeHeldTwice()
    {
        FramedPlatform platform;
        TempStore store;
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QSize frame = w.frameGeometry().size() - w.size();
        QCOMPARE(w.minimumSize(), QSize(180, 300) - frame);

        w.setMinimumSize(0, 0);
        w.resize(100, 120);
        QCOMPARE(w.frameGeometry().size(), QSize(180, 300));
        QCOMPARE(w.minimumSize(), QSize(180, 300) - frame);
        checkLayout(w, 180, 300);
    }

    void minimisedRunsNoLayoutUntilRestored()
    {
        FramedPlatform platform;
        TempStore store;
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        platform.resizeWindow(&w, 200 * twips, 320 * twips);
        checkLayout(w, 200, 320);

        platform.scriptedState = Platform::Minimized;
        w.showMinimized();
        platform.resizeWindow(&w, 400 * twips, 600 * twips);
        QCOMPARE(w.mainlist->width(), layoutfor(200, 320).mainlistWidth);
        QCOMPARE(w.status->y(), layoutfor(200, 320).statusTop);

        platform.scriptedState.reset();
        w.showNormal();
        checkLayout(w, w.frameGeometry().width(), w.frameGeometry().height());
        QCOMPARE(w.frameGeometry().size(), QSize(400, 600));
    }

    void maximisedFollowsItsSize()
    {
        FramedPlatform platform;
        TempStore store;
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.showMaximized();
        QTRY_VERIFY(w.frameGeometry().width() > 400);
        const QSize size = w.frameGeometry().size();
        checkLayout(w, size.width(), size.height());
    }

    void docking_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("startWidth");
        QTest::addColumn<QRect>("docked"); // twips

        // A 1024 x 738 work area: a 30-pixel task bar at the top.
        QTest::newRow("left") << false << 180 << QRect(0, 0, 2700, 11070);
        QTest::newRow("left, wider") << false << 250 << QRect(0, 0, 3750, 11070);
        QTest::newRow("right") << true << 180 << QRect(12660, 0, 2700, 11070);
        QTest::newRow("right, wider") << true << 250 << QRect(11610, 0, 3750, 11070);
    }

    void docking()
    {
        QFETCH(bool, right);
        QFETCH(int, startWidth);
        QFETCH(QRect, docked);

        FramedPlatform platform;
        platform.scriptedWorkArea = QSize(1024 * twips, 738 * twips);
        TempStore store;
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        platform.moveWindow(&w, 300 * twips, 120 * twips);
        platform.resizeWindow(&w, startWidth * twips, 400 * twips);

        if (right)
            w.dockright();
        else
            w.dockleft();
        QCOMPARE(platform.windowGeometry(&w), docked);
        checkLayout(w, startWidth, 738);
        QCOMPARE(w.status->y(), 738 - 48);
    }

    void dockingOnALowWorkAreaKeepsTheSmallestHeight()
    {
        FramedPlatform platform;
        platform.scriptedWorkArea = QSize(1024 * twips, 250 * twips);
        TempStore store;
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        w.dockright();
        QCOMPARE(platform.windowGeometry(&w), QRect(12660, 0, 2700, 4500));
        checkLayout(w, 180, 300);
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

        FramedPlatform platform;
        platform.scriptedWorkArea = QSize(1024 * twips, 738 * twips);
        TempStore store;
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        platform.moveWindow(&w, 300 * twips, 120 * twips);
        const QRect before = platform.windowGeometry(&w);
        const int statusTop = w.status->y();

        platform.scriptedState = Platform::WindowState(state);
        if (right)
            w.dockright();
        else
            w.dockleft();
        QCOMPARE(platform.windowGeometry(&w), before);
        QCOMPARE(w.status->y(), statusTop);
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
