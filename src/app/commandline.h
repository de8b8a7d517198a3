// The command line: the options a terminal user gives. --help, --version,
// --export, --import and --restore are answered here, with no window and no
// display needed; a plain start and --toggle go on to the window.
#pragma once

#include "core/note.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Job { Start, Toggle, Export, Import, Restore };
    struct Parsed {
        Job job = Job::Start;
        QString path;                  // the folder or the backup
        std::optional<int> exitStatus; // the program ends here with it
    };
    // Exit statuses: all done; some notes or files skipped, each named;
    // refused (a usage error, or nothing could be done).
    enum Status { Done = 0, Skipped = 1, Refused = 2 };

    static Parsed parse(const QStringList &arguments);
    // An export, an import or a restore, through the running Quillbox when
    // there is one, else on the store itself; prints what was done and
    // gives the exit status.
    static int run(const Parsed &parsed, const QString &storePath);

    // The running copy's side: the answers it gives to the requests of
    // another start's --export, --import and --restore.
    struct Import {
        QList<Note> notes;
        QString source;
    };
    static std::optional<Import> importRequest(const QByteArray &data);
    static QByteArray answerImport(int status, const QString &message);
    static QByteArray answerExport(const QList<Note> &notes, const QString &warning);
    static QByteArray refusal(const QString &reason);
};
