// Run by test_wayland.sh in a headless weston: the real window and desktop on
// Qt's own choice of platform, a dock button clicked from inside. Guards
// against: Wayland not recognised, and docking that stretches the window, says
// nothing, or says it only in part.
#include "storefile.h"
#include "ui/mainwindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QTest>

class tst_WaylandDock : public QObject
{
    Q_OBJECT

private slots:
    void dockingSaysWhyNot()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        StoreFile file;
        Session session(file.path());
        MainWindow window(session);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect shown = window.geometry();
        // Both dock commands ask the desktop alike; one shows the real desktop's answer.
        QTest::mouseClick(window.findChild<QWidget *>("icons0"), Qt::LeftButton);
        auto *status = window.findChild<QLabel *>("status");
        const QString why = "Docking needs X11: log in to an X11 session, or install XWayland, "
                            "and start Quillbox again.";
        // The line is narrower than the words: the rest is on its tooltip.
        QCOMPARE(status->text() + u'|' + status->toolTip(), why + u'|' + why);
        QCOMPARE(window.geometry(), shown);
    }
};

QTEST_MAIN(tst_WaylandDock)
#include "waylanddock.moc"
