// Start-up: the command line, one running copy per user, the session and
// the main window, and the ways a session ends (the window, a logout, a
// termination signal).
#include "app/commandline.h"
#include "app/singleinstance.h"
#include "app/terminationsignals.h"
#include "app/translations.h"
#include "core/session.h"
#include "ui/mainwindow.h"
#include "ui/notetextbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QSessionManager>

#include <cstdio>
#include <optional>

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

// What another start asks of the running window: to show or hide it, the
// notes for its export, or to take the notes of its import.
QByteArray answer(const QByteArray &request, const QByteArray &data, MainWindow &window,
                  Session &session)
{
    if (request == "toggle") {
        window.toggle();
        return {};
    }
    if (session.condition() == Session::Condition::Unread)
        return CommandLine::refusal(QCoreApplication::translate(
            "main", "Quillbox has not read its notes yet; try again later."));
    if (request == "export") {
        // Every change the window shows is written, or the export says not.
        session.waitForWrites();
        return CommandLine::answerExport(
            window.notes(), session.condition() == Session::Condition::Failing
                                ? QCoreApplication::translate(
                                      "main", "Quillbox could not save all its changes to its "
                                              "store; the export holds them nonetheless.")
                                : QString());
    }
    if (request == "import") {
        const std::optional<CommandLine::Import> import = CommandLine::importRequest(data);
        if (!import)
            return CommandLine::refusal(
                QCoreApplication::translate("main", "The notes to import did not arrive whole."));
        int added = -1;
        const QString message = window.importNotes(import->notes, import->source, &added);
        return CommandLine::answerImport(added < 0                      ? CommandLine::Refused
                                         : added < import->notes.size() ? CommandLine::Skipped
                                                                        : CommandLine::Done,
                                         message);
    }
    return CommandLine::refusal(QCoreApplication::translate(
        "main", "Quillbox is running: close it first, then restore the backup."));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("quillbox"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLBOX_VERSION));
    const QString storePath = Session::defaultStorePath();
    CommandLine::Parsed parsed;
    if (argc > 1) {
        // The help, the complaints about options and what an export or an
        // import did in the user's language; a plain start does without this
        // application object.
        QCoreApplication commandLine(argc, argv);
        const Translations translations;
        parsed = CommandLine::parse(QCoreApplication::arguments());
        if (parsed.exitStatus)
            return *parsed.exitStatus;
        if (parsed.job != CommandLine::Job::Start && parsed.job != CommandLine::Job::Toggle)
            return CommandLine::run(parsed, storePath);
        // A running copy is shown or hidden with no display needed here;
        // with none, the window starts.
        if (parsed.job == CommandLine::Job::Toggle &&
            SingleInstance(storePath).acquire("toggle", {}, false) ==
                SingleInstance::Start::HandedOver)
            return 0;
    }
    preferX11();
    NoteTextBox::keepLayoutMemory();
    QApplication app(argc, argv);
    const Translations translations;
    // The desktop finds the launcher entry, icon and description by this ID.
    QApplication::setDesktopFileName(QStringLiteral("io.github.quillbox.Quillbox"));
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance(storePath);
    switch (instance.acquire(parsed.job == CommandLine::Job::Toggle ? "toggle" : "raise")) {
    case SingleInstance::Start::Run:
        break;
    case SingleInstance::Start::HandedOver:
        return 0;
    case SingleInstance::Start::NoAnswer:
        QMessageBox::warning(nullptr, QStringLiteral("quillbox"),
                             QCoreApplication::translate(
                                 "main", "Quillbox is already running but does not answer. "
                                         "Close it, or end it if it hangs, and start Quillbox "
                                         "again."));
        return 1;
    case SingleInstance::Start::Refused:
        QMessageBox::warning(nullptr, QStringLiteral("quillbox"), instance.problem());
        return 1;
    }

    // Before the window: a signal during the start closes the window once
    // it shows, rather than ending the program unsaved.
    TerminationSignals terminations;
    // The store is read on the session's thread while the widgets are built.
    Session session(storePath);
    session.keepDailyBackups();
    session.open();
    MainWindow window(session);
    QObject::connect(&instance, &SingleInstance::raiseRequested, &window,
                     &MainWindow::bringToFront);
    instance.setHandler([&window, &session](const QByteArray &request, const QByteArray &data) {
        return answer(request, data, window, session);
    });
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
