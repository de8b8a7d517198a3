// Start-up: one running copy per user, the main window, and the ways a
// session ends (the window, a logout, a termination signal).
#include "app/singleinstance.h"
#include "app/terminationsignals.h"
#include "app/translations.h"
#include "core/session.h"
#include "ui/mainwindow.h"
#include "ui/notetextbox.h"

#include <QApplication>
#include <QCommandLineParser>
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

// The options a terminal user asks for are answered before any display is
// needed. Qt's own options (-platform, -display, ...) are left to Qt.
// Returns the exit status when the program is to end here.
std::optional<int> answerCommandLine()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "A small desktop notes keeper: one narrow window at "
                                            "the side of the screen.\nThe notes are kept in "
                                            "$XDG_CONFIG_HOME/quillbox/settings.db."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowtitle", "qwindowicon", "display",
                             "geometry", "style", "stylesheet", "session", "name", "title"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    for (const char *name : {"reverse", "nograb", "dograb", "sync", "widgetcount"}) {
        QCommandLineOption qtFlag(QString::fromLatin1(name));
        qtFlag.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtFlag);
    }
    if (!parser.parse(QCoreApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString problem =
            parser.positionalArguments().isEmpty()
                ? parser.errorText()
                : QCoreApplication::translate("main", "Unexpected argument '%1'.")
                      .arg(parser.positionalArguments().first());
        std::fprintf(stderr, "quillbox: %s\n%s\n", qPrintable(problem),
                     qPrintable(QCoreApplication::translate(
                         "main", "Try 'quillbox --help' for more information.")));
        return 2;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // The usage line names the program as a user types it, not by the
        // path it was started with.
        QString text = parser.helpText();
        const QString startedAs = QCoreApplication::arguments().constFirst();
        text.replace(text.indexOf(startedAs), startedAs.size(), QStringLiteral("quillbox"));
        std::fputs(qPrintable(text), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("quillbox %s\n", QUILLBOX_VERSION);
        return 0;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("quillbox"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLBOX_VERSION));
    if (argc > 1) {
        // The help and the complaints about options in the user's language;
        // a plain start does without this application object.
        QCoreApplication commandLine(argc, argv);
        const Translations translations;
        if (const std::optional<int> status = answerCommandLine())
            return *status;
    }
    preferX11();
    NoteTextBox::keepLayoutMemory();
    QApplication app(argc, argv);
    const Translations translations;
    // The desktop finds the launcher entry, icon and description by this ID.
    QApplication::setDesktopFileName(QStringLiteral("io.github.quillbox.Quillbox"));
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
    session.open();
    MainWindow window(session);
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
