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

namespace
{

constexpr int twips = Platform::twipsPerPixel;

// A shown main window with the About window opened from it.
struct Opened {
    explicit Opened(QSize workArea = {1024, 738})
    {
        platform.scriptedWorkArea = workArea * twips;
        w.show();
        exposed = QTest::qWaitForWindowExposed(&w);
        w.showabout();
        about = w.about;
        exposed = exposed && about && QTest::qWaitForWindowExposed(about);
    }

    ScriptedPlatform platform;
    TempStore store;
    Form1 w{platform, store.path()};
    AboutWindow *about = nullptr;
    bool exposed = false;
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
        Opened o(workArea);
        QVERIFY(o.exposed);
        QVERIFY(o.about->isWindow());

        const QRect outer = o.platform.windowGeometry(o.about);
        QCOMPARE(outer.height(), 4290);
        QCOMPARE(o.about->width(), 397);
        const double left = (workArea.width() * twips - outer.width()) / 2.0;
        const double top = (workArea.height() * twips - outer.height()) / 2.0;
        // Within the pixel the twips are rounded to.
        QVERIFY2(qAbs(outer.left() - left) < twips, qPrintable(QString::number(outer.left())));
        QVERIFY2(qAbs(outer.top() - top) < twips, qPrintable(QString::number(outer.top())));
    }

    void fixedDialogWithItsTexts()
    {
        Opened o;
        QVERIFY(o.exposed);
        QCOMPARE(o.about->windowTitle(), QStringLiteral("About Quillbox"));
        QCOMPARE(o.about->minimumSize(), o.about->maximumSize());
        const Qt::WindowFlags flags = o.about->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QCOMPARE(o.about->Label1->text(), QStringLiteral("Quillbox"));
        QCOMPARE(o.about->Label2->text(), QStringLiteral("VERSION 1.20"));
        QCOMPARE(o.about->bt_ok->text(), QStringLiteral("OK"));
        QVERIFY(!o.about->bt_ok->isDefault() && !o.about->bt_ok->autoDefault());
        QCOMPARE(o.about->windowHandle()->transientParent(), o.w.windowHandle());
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
        Opened o;
        QVERIFY(o.exposed);
        auto *widget = o.about->findChild<QWidget *>(name);
        QVERIFY(widget);

        const QFontInfo face(widget->font());
        QVERIFY2(QFontDatabase::families().contains(face.family()), qPrintable(face.family()));
        QCOMPARE(face.italic(), italic);
        QCOMPARE(face.weight() >= QFont::DemiBold, bold);
        QVERIFY(face.pointSizeF() > 6);
    }

    // No ink on the outermost rows and the last column of a label: its text
    // is not cut off, whichever face stands in.
    void labelsNotClipped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("name") << "Label1";
        QTest::newRow("version") << "Label2";
    }

    void labelsNotClipped()
    {
        QFETCH(QString, name);
        Opened o;
        QVERIFY(o.exposed);
        const QImage image = o.about->findChild<QLabel *>(name)->grab().toImage();
        const QColor background = image.pixel(image.width() / 2, image.height() - 1);
        const auto inked = [&](int x, int y) {
            const QColor c = image.pixel(x, y);
            return qAbs(c.red() - background.red()) + qAbs(c.green() - background.green()) +
                       qAbs(c.blue() - background.blue()) >
                   60;
        };
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += inked(x, y);
        QVERIFY2(ink > 50, "the text is drawn");
        for (int x = 0; x < image.width(); ++x)
            QVERIFY2(!inked(x, 0) && !inked(x, image.height() - 1), qPrintable(QString::number(x)));
        for (int y = 0; y < image.height(); ++y)
            QVERIFY2(!inked(image.width() - 1, y), qPrintable(QString::number(y)));
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
        Opened o;
        QVERIFY(o.exposed);
        for (int showing = 1; showing <= 2; ++showing) {
            if (showing == 2)
                o.w.showabout();
            QVERIFY(o.about->isVisible());
            QVERIFY(!o.w.isEnabled());
            QVERIFY(o.about->isEnabled() && o.about->bt_ok->isEnabled());

            QTest::keyClick(o.about, Qt::Key_Escape);
            QVERIFY(o.about->isVisible());
            QVERIFY(!o.w.isEnabled());

            if (byCloseBox)
                QVERIFY(o.about->close());
            else
                QTest::mouseClick(o.about->bt_ok, Qt::LeftButton);
            QVERIFY(!o.about->isVisible());
            QVERIFY(o.w.isEnabled());
            QCOMPARE(o.w.about, o.about); // the same window comes back next time
        }
        QCOMPARE(o.platform.endCount, 0);
    }

    void exitWithTheWindowOpen()
    {
        Opened o;
        QVERIFY(o.exposed);
        o.w.insertnotenow(QStringLiteral("kept"), QStringLiteral("body"));
        o.w.byebye();
        QCOMPARE(o.platform.endCount, 1);
        QVERIFY(!o.about->isVisible());
        QCOMPARE(o.store.value(QStringLiteral("notes"), QStringLiteral("notetitle1")),
                 QStringLiteral("kept"));
        // Nothing after the end saves or ends again.
        o.w.close();
        QCOMPARE(o.platform.endCount, 1);
    }

    void goesWithTheMainWindow()
    {
        QPointer<AboutWindow> about;
        {
            Opened o;
            QVERIFY(o.exposed);
            about = o.about;
        }
        QVERIFY(about.isNull());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
