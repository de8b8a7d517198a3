#include "about/aboutwindow.h"
#include "mainwindow/form1.h"
#include "scriptedplatform.h"
#include "tempstore.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>
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

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void opensCentredOnTheWorkArea_data()
    {
        QTest::addColumn<QSize>("workArea"); // pixels

        QTest::newRow("1024x738, task bar at the top") << QSize(1024, 738);
        QTest::newRow("800x600") << QSize(800, 600);
        QTest::newRow("1920x1040") << QSize(1920, 1040);
    }

    void opensCentredOnTheWorkArea()
    {
        QFETCH(QSize, workArea);

        FramedPlatform platform;
        platform.scriptedWorkArea = workArea * twips;
        TempStore store;
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        w.showabout();
        AboutWindow *about = w.about;
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QVERIFY(about->isWindow());

        const QRect outer = platform.windowGeometry(about);
        QCOMPARE(outer.height(), 4290);
        QCOMPARE(about->width(), 397);
        const double left = (workArea.width() * twips - outer.width()) / 2.0;
        const double top = (workArea.height() * twips - outer.height()) / 2.0;
        // Within the pixel the twips are rounded to.
        QVERIFY2(qAbs(outer.left() - left) < twips, qPrintable(QString::number(outer.left())));
        QVERIFY2(qAbs(outer.top() - top) < twips, qPrintable(QString::number(outer.top())));
    }

    void fixedDialogWithItsTexts()
    {
        FramedPlatform platform;
        TempStore store;
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.showabout();
        AboutWindow *about = w.about;
        QVERIFY(QTest::qWaitForWindowExposed(about));

        QCOMPARE(about->windowTitle(), QStringLiteral("About Quillbox"));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        QCOMPARE(about->width(), 397);
        QCOMPARE(platform.windowGeometry(about).height(), 4290);
        const Qt::WindowFlags flags = about->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QCOMPARE(about->Label1->text(), QStringLiteral("Quillbox"));
        QCOMPARE(about->Label2->text(), QStringLiteral("VERSION 1.20"));
        QCOMPARE(about->bt_ok->text(), QStringLiteral("OK"));
        QVERIFY(!about->bt_ok->isDefault());
        QVERIFY(!about->bt_ok->autoDefault());
        QVERIFY(about->windowHandle());
        QCOMPARE(about->windowHandle()->transientParent(), w.windowHandle());
    }

    // Missing faces fall back to an installed one of the same style.
    void facesOfTheRightStyle_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("bold");

        QTest::newRow("name") << "Label1" << true << false;
        QTest::newRow("version") << "Label2" << true << true;
        QTest::newRow("OK") << "bt_ok" << false << true;
    }

    void facesOfTheRightStyle()
    {
        QFETCH(QString, name);
        QFETCH(bool, italic);
        QFETCH(bool, bold);

        FramedPlatform platform;
        TempStore store;
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.showabout();
        auto *widget = w.about->findChild<QWidget *>(name);
        QVERIFY(widget);

        const QFontInfo face(widget->font());
        QVERIFY2(QFontDatabase::families().contains(face.family()), qPrintable(face.family()));
        QCOMPARE(face.italic(), italic);
        QCOMPARE(face.weight() >= QFont::DemiBold, bold);
        QVERIFY(face.pointSizeF() > 6);
    }

    // No ink on the outermost rows and columns of a label: its text is not
    // cut off, whichever face stands in.
    void labelsNotClipped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("name") << "Label1";
        QTest::newRow("version") << "Label2";
    }

    void labelsNotClipped()
    {
        QFETCH(QString, name);

        FramedPlatform platform;
        TempStore store;
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.showabout();
        QVERIFY(QTest::qWaitForWindowExposed(w.about));
        auto *label = w.about->findChild<QLabel *>(name);
        QVERIFY(label);

        const QImage image = label->grab().toImage();
        const QRgb background = image.pixel(image.width() / 2, image.height() - 1);
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inked += image.pixel(x, y) != background;
        QVERIFY2(inked > 50, "the text was drawn");
        const auto edgeInked = [&](int x, int y) {
            const QColor c(image.pixel(x, y));
            const QColor b(background);
            return qAbs(c.red() - b.red()) + qAbs(c.green() - b.green()) +
                       qAbs(c.blue() - b.blue()) >
                   60;
        };
        for (int x = 0; x < image.width(); ++x) {
            QVERIFY2(!edgeInked(x, 0), qPrintable(QStringLiteral("top, x=%1").arg(x)));
            QVERIFY2(!edgeInked(x, image.height() - 1),
                     qPrintable(QStringLiteral("bottom, x=%1").arg(x)));
        }
        for (int y = 0; y < image.height(); ++y)
            QVERIFY2(!edgeInked(image.width() - 1, y),
                     qPrintable(QStringLiteral("right, y=%1").arg(y)));
    }

    void mainWindowDisabledWhileOpen_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("OK") << false;
        QTest::newRow("close box") << true;
    }

    void mainWindowDisabledWhileOpen()
    {
        QFETCH(bool, byCloseBox);

        FramedPlatform platform;
        TempStore store;
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        for (int showing = 1; showing <= 2; ++showing) {
            w.showabout();
            AboutWindow *about = w.about;
            QVERIFY(QTest::qWaitForWindowExposed(about));
            QVERIFY(!w.isEnabled());
            QVERIFY(about->isEnabled());
            QVERIFY(about->bt_ok->isEnabled());

            QTest::keyClick(about, Qt::Key_Escape);
            QVERIFY(about->isVisible());
            QVERIFY(!w.isEnabled());

            if (byCloseBox)
                QVERIFY(about->close());
            else
                QTest::mouseClick(about->bt_ok, Qt::LeftButton);
            QVERIFY(!about->isVisible());
            QVERIFY(w.isEnabled());
            QCOMPARE(w.about, about); // the same window comes back next time
        }
        QCOMPARE(platform.endCount, 0);
    }

    void exitWithTheWindowOpen()
    {
        FramedPlatform platform;
        TempStore store;
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.insertnotenow(QStringLiteral("kept"), QStringLiteral("body"));
        w.showabout();
        QVERIFY(QTest::qWaitForWindowExposed(w.about));

        w.byebye();
        QCOMPARE(platform.endCount, 1);
        QVERIFY(!w.about->isVisible());
        QCOMPARE(store.value(QStringLiteral("notes"), QStringLiteral("notetitle1")),
                 QStringLiteral("kept"));

        // Nothing after the end saves or ends again.
        w.close();
        QCOMPARE(platform.endCount, 1);
    }

    void goesWithTheMainWindow()
    {
        FramedPlatform platform;
        TempStore store;
        QPointer<AboutWindow> about;
        {
            Form1 w(platform, store.path());
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.showabout();
            about = w.about;
            QVERIFY(about);
        }
        QVERIFY(about.isNull());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
