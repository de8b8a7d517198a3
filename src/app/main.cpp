// Start-up: one running copy per user, the main window, and the ways a
// session ends (the window, a logout, a termination signal).
#include "app/singleinstance.h"
#include "app/terminationsignals.h"
#include "core/session.h"
#include "ui/mainwindow.h"
#include "ui/notetextbox.h"

#include <QApplication>
#include <QMessageBox>
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
    NoteTextBox::keepLayoutMemory();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillbox"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLBOX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("quillbox"));
    QApplication::setQuitOnLastWindowClosed(false);

    const QString storePath = Session::defaultStorePath();
    SingleInstance instance(storePath);
    switch (instance.acquire()) {
    case SingleInstance::Start::Run:
        break;
    case SingleInstance::Start::HandedOver:
        return 0;
    case SingleInstance::Start::NoAnswer:
        QMessageBox::warning(nullptr, QStringLiteral("quillbox"),
                             QStringLiteral("Quillbox is already running but does not answer. "
                                            "Close it, or end it if it hangs, and start Quillbox "
                                            "again."));
        return 1;
    }

    // Before the window: a signal during the start closes the window once
    // it shows, rather than ending the program unsaved.
    TerminationSignals terminations;
    MainWindow window(storePath);
    QObject::connect(&instance, &SingleInstance::raiseRequested, &window,
                     &MainWindow::bringToFront);
    QObject::connect(&window, &MainWindow::closing, &instance, &SingleInstance::setClosing);
    QObject::connect(&window, &MainWindow::finished, &app, [] { QCoreApplication::exit(0); });
    // A logout or a termination signal is one more way of closing the window.
    QObject::connect(&terminations, &TerminationSignals::terminationRequested, &window,
                     &QWidget::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager &) { window.close(); });

    window.show();
    return QApplication::exec();
}
