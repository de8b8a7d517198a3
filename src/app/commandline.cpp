// The command line: the options a terminal user gives.
#include "app/commandline.h"

#include "app/singleinstance.h"
#include "core/backups.h"
#include "core/desktop.h"
#include "core/notebook.h"
#include "core/notecommands.h"
#include "core/notefolder.h"
#include "core/session.h"

#include <QCommandLineParser>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>

#include <cstdio>

namespace
{

// An import with no window asks nothing and shows nothing.
class NoDesktop : public Desktop
{
public:
    Answer showMessage(const Message &) override { return Answer::Cancel; }
    QString askText(const QString &, const QString &, const QString &) override { return {}; }
    QString clipboardText() override { return {}; }
    void setClipboardText(const QString &) override {}
    QRect workArea() override { return {}; }
    QString windowPlacementProblem() override { return {}; }
};

// What the running copy answers: a status, a text, and for an export, the
// notes; the same layout both ways.
QByteArray pack(int status, const QString &text, const QByteArray &notes = {})
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << qint32(status) << text << notes;
    return bytes;
}

struct Answer {
    int status = CommandLine::Refused;
    QString text;
    QByteArray notes;
};

Answer unpack(const QByteArray &bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    Answer answer;
    qint32 status = CommandLine::Refused;
    in >> status >> answer.text >> answer.notes;
    if (in.status() != QDataStream::Ok)
        return {CommandLine::Refused,
                CommandLine::tr("Quillbox answered in a way this start does "
                                "not understand."),
                {}};
    answer.status = status;
    return answer;
}

void print(const QString &text)
{
    if (!text.isEmpty())
        std::fputs(qPrintable(text + u'\n'), stdout);
}

int fail(const QString &text)
{
    std::fputs(qPrintable(QStringLiteral("quillbox: ") + text + u'\n'), stderr);
    return CommandLine::Refused;
}

int statusOf(NoteFolder::Outcome outcome)
{
    switch (outcome) {
    case NoteFolder::Outcome::Done:
        return CommandLine::Done;
    case NoteFolder::Outcome::Reported:
        return CommandLine::Skipped;
    case NoteFolder::Outcome::Refused:
        break;
    }
    return CommandLine::Refused;
}

// Another start holds the store: it was asked, or it could not be.
std::optional<int> notHeldHere(SingleInstance &instance, SingleInstance::Start start)
{
    switch (start) {
    case SingleInstance::Start::Run:
    case SingleInstance::Start::HandedOver:
        return std::nullopt;
    case SingleInstance::Start::NoAnswer:
        return fail(CommandLine::tr("Quillbox is running but does not answer; try again when it "
                                    "does."));
    case SingleInstance::Start::Refused:
        return fail(instance.problem());
    }
    return CommandLine::Refused;
}

int exportNotes(const QString &folder, const QString &storePath)
{
    SingleInstance instance(storePath);
    const SingleInstance::Start start = instance.acquire("export", {}, false);
    if (const auto status = notHeldHere(instance, start))
        return *status;
    QList<Note> notes;
    QString warning;
    if (start == SingleInstance::Start::HandedOver) {
        const Answer answer = unpack(instance.answer());
        if (answer.status != CommandLine::Done)
            return fail(answer.text);
        notes = notesFromBytes(answer.notes).value_or(QList<Note>());
        warning = answer.text;
    } else if (QFileInfo::exists(storePath)) {
        Session session(storePath, 1000, Session::Access::ReadOnly);
        const Session::Opening opening = session.opening();
        if (!opening.read)
            return fail(opening.problem);
        notes = opening.notebook.notes();
    }
    const NoteFolder::Exported exported = NoteFolder(folder).exportNotes(notes);
    print(warning);
    if (exported.outcome == NoteFolder::Outcome::Refused)
        return fail(exported.message);
    print(exported.message);
    return statusOf(exported.outcome);
}

int importNotes(const QString &folder, const QString &storePath)
{
    const NoteFolder::Imported read = NoteFolder(folder).importNotes(Notebook::maxNotes);
    if (read.outcome == NoteFolder::Outcome::Refused)
        return fail(read.message);
    print(read.message);
    const QString source = QDir(folder).absolutePath();
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << notesToBytes(read.notes) << source;
    SingleInstance instance(storePath);
    const SingleInstance::Start start = instance.acquire("import", request, false);
    if (const auto status = notHeldHere(instance, start))
        return *status;
    Answer answer;
    if (start == SingleInstance::Start::HandedOver) {
        answer = unpack(instance.answer());
    } else {
        Session session(storePath);
        Session::Opening opening = session.opening();
        if (!opening.read)
            return fail(opening.problem);
        NoDesktop desktop;
        NoteCommands commands(opening.notebook, desktop);
        const int before = opening.notebook.count();
        const NoteCommands::Outcome outcome = commands.importNotes(read.notes, source);
        if (outcome.changed)
            session.write(
                {opening.notebook.notes(), opening.titleListPoints, opening.noteTextPoints},
                outcome.step);
        if (!session.finish())
            return fail(session.saveProblem());
        const bool allAdded = opening.notebook.count() - before == read.notes.size();
        answer = {allAdded ? CommandLine::Done : CommandLine::Skipped, *outcome.status, {}};
    }
    if (answer.status == CommandLine::Refused)
        return fail(answer.text);
    print(answer.text);
    const bool allRead = read.outcome == NoteFolder::Outcome::Done && read.leftOut == 0;
    return allRead ? answer.status : int(CommandLine::Skipped);
}

int restore(const QString &backup, const QString &storePath)
{
    SingleInstance instance(storePath);
    const SingleInstance::Start start = instance.acquire("restore", {}, false);
    if (const auto status = notHeldHere(instance, start))
        return *status;
    if (start == SingleInstance::Start::HandedOver)
        return fail(unpack(instance.answer()).text);
    const Backups::Restored restored = Backups(storePath).restore(backup);
    if (!restored.done)
        return fail(restored.message);
    print(restored.message);
    return CommandLine::Done;
}

} // namespace

CommandLine::Parsed CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("A small desktop notes keeper: one narrow window at the side of the screen.\n"
           "The notes are kept in $XDG_CONFIG_HOME/quillbox/settings.db."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption toggle(
        QStringLiteral("toggle"),
        tr("Bring the running Quillbox to the front, or minimise it when it is the active "
           "window; start it when none runs."));
    const QCommandLineOption exportTo(
        QStringLiteral("export"),
        tr("Write every note into <folder> as a text file, with an index of their titles and "
           "order; an earlier export there is brought up to date."),
        tr("folder"));
    const QCommandLineOption importFrom(
        QStringLiteral("import"),
        tr("Add the notes of <folder> (an export, or plain .txt files) after those held."),
        tr("folder"));
    const QCommandLineOption restoreFrom(
        QStringLiteral("restore"),
        tr("Put <backup> (from the backups folder beside the notes store) in the store's place, "
           "keeping the store beside it; Quillbox must not be running."),
        tr("backup"));
    parser.addOptions({toggle, exportTo, importFrom, restoreFrom});
    // Qt's own options (-platform, -display, ...) are left to Qt.
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
    Parsed parsed;
    const int jobs = int(parser.parse(arguments) && parser.isSet(toggle)) +
                     int(parser.isSet(exportTo)) + int(parser.isSet(importFrom)) +
                     int(parser.isSet(restoreFrom));
    if (!parser.errorText().isEmpty() || !parser.positionalArguments().isEmpty() || jobs > 1) {
        const QString problem =
            !parser.errorText().isEmpty() ? parser.errorText()
            : jobs > 1 ? tr("Give one of --toggle, --export, --import and --restore at a time.")
                       : tr("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
        std::fprintf(stderr, "quillbox: %s\n%s\n", qPrintable(problem),
                     qPrintable(tr("Try 'quillbox --help' for more information.")));
        parsed.exitStatus = Refused;
        return parsed;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // The usage line names the program as a user types it, not by the
        // path it was started with.
        QString text = parser.helpText();
        const QString &startedAs = arguments.constFirst();
        text.replace(text.indexOf(startedAs), startedAs.size(), QStringLiteral("quillbox"));
        std::fputs(qPrintable(text), stdout);
        parsed.exitStatus = Done;
    } else if (parser.isSet(version)) {
        std::printf("quillbox %s\n", qPrintable(QCoreApplication::applicationVersion()));
        parsed.exitStatus = Done;
    } else if (parser.isSet(toggle)) {
        parsed.job = Job::Toggle;
    } else if (parser.isSet(exportTo)) {
        parsed = {Job::Export, parser.value(exportTo), {}};
    } else if (parser.isSet(importFrom)) {
        parsed = {Job::Import, parser.value(importFrom), {}};
    } else if (parser.isSet(restoreFrom)) {
        parsed = {Job::Restore, parser.value(restoreFrom), {}};
    }
    return parsed;
}

int CommandLine::run(const Parsed &parsed, const QString &storePath)
{
    switch (parsed.job) {
    case Job::Export:
        return exportNotes(parsed.path, storePath);
    case Job::Import:
        return importNotes(parsed.path, storePath);
    case Job::Restore:
        return restore(parsed.path, storePath);
    case Job::Start:
    case Job::Toggle:
        break;
    }
    return Done;
}

std::optional<CommandLine::Import> CommandLine::importRequest(const QByteArray &data)
{
    QDataStream in(data);
    in.setVersion(QDataStream::Qt_6_0);
    QByteArray notes;
    Import request;
    in >> notes >> request.source;
    const auto decoded = notesFromBytes(notes);
    if (in.status() != QDataStream::Ok || !decoded)
        return std::nullopt;
    request.notes = *decoded;
    return request;
}

QByteArray CommandLine::answerImport(int status, const QString &message)
{
    return pack(status, message);
}

QByteArray CommandLine::answerExport(const QList<Note> &notes, const QString &warning)
{
    return pack(Done, warning, notesToBytes(notes));
}

QByteArray CommandLine::refusal(const QString &reason)
{
    return pack(Refused, reason);
}
