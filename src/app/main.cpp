#include "app/qtplatform.h"
#include "app/shutdownsignals.h"
#include "app/singleinstance.h"
#include "mainwindow/form1.h"
#include "notes/settingsstore.h"

#include <QApplication>
#include <QSessionManager>

namespace
{

// A Wayland client cannot place its own window, and docking needs that:
// prefer X11 through XWayland when the session offers it.
void preferX11()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

} // namespace

int main(int argc, char *argv[])
{
    preferX11();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillbox"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLBOX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("quillbox"));
    QApplication::setQuitOnLastWindowClosed(false);

    const QString storePath = SettingsStore::defaultPath();
    SingleInstance instance(storePath);
    if (!instance.acquire())
        return 0;

    QtPlatform platform;
    Form1 window(platform, storePath);

    QObject::connect(&instance, &SingleInstance::raiseRequested, &window, [&window] {
        // Bring the window back from the task bar, keeping it maximised if it was.
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.show();
        window.raise();
        window.activateWindow();
    });

    // A logout or a termination signal is one more way of closing the window.
    ShutdownSignals terminations;
    QObject::connect(&terminations, &ShutdownSignals::terminationRequested, &window,
                     [&window] { window.close(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager &) { window.close(); });

    window.show();
    return QApplication::exec();
}
