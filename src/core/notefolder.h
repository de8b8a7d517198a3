// Notes as a folder of plain text files, one per note, and back: the export
// and the import of the notes.
#pragma once

#include "core/note.h"

#include <QCoreApplication>
#include <QLatin1String>
#include <QList>
#include <QString>
#include <QStringList>

// The folder holds one UTF-8 file per note, its body exactly, named for its
// place and title ("007 Groceries.txt"), and an index, a JSON object:
//   {"format": "quillbox-notes", "version": 1,
//    "notes": [{"title": "Groceries", "file": "007 Groceries.txt"}, ...],
//    "otherFiles": ["012 Old.txt"]}
// "notes" keeps the order and the exact titles, so a file name need hold
// neither. "otherFiles" names files this program wrote that no note holds:
// those of an export under way, or one it could not remove. An export only
// ever removes files its index names.
class NoteFolder
{
    Q_DECLARE_TR_FUNCTIONS(NoteFolder)

public:
    static constexpr QLatin1String indexFileName{"quillbox-notes.json"};
    // A file larger than this (16 MiB) is not read as a note. A note is text
    // a person writes, and its body is held whole in memory, in UTF-16 (twice
    // the bytes for most text), and laid out in the text box; 16 MiB is
    // thousands of pages, so a larger file is a log, a dump or a misnamed
    // binary, and 500 such notes would take 16 GB.
    static constexpr qint64 largestFile = qint64(16) * 1024 * 1024;

    enum class Outcome {
        Done,     // every note written or read as it was
        Reported, // done, but the notes or files in `reported` did not go through as they were
        Refused   // nothing written or read; `message` says why
    };
    struct Report {
        int index = -1; // the note's place from 0 (its file name shows index + 1); -1 for none
        QString title;
        QString fileName; // in the folder
        QString reason;
    };
    struct Exported {
        Outcome outcome = Outcome::Refused;
        QStringList fileNames; // of the notes written, in their order
        QList<Report> reported;
        QString message; // for the user: what was done, then a line per report
    };
    struct Imported {
        Outcome outcome = Outcome::Refused;
        QList<Note> notes;
        QList<Report> reported; // the files skipped
        int leftOut = 0;        // notes (index entries or files) past the room, not read
        QString message;
    };

    explicit NoteFolder(QString path);

    // Writes the notes into the folder, making it (0700) when missing. A
    // folder that holds anything but an earlier export is refused untouched,
    // and so is a file of the user's where a note's file goes. Text UTF-8
    // cannot hold (a lone surrogate) is written as U+FFFD, its note reported.
    Exported exportNotes(const QList<Note> &notes) const;
    // Reads at most room notes. With an index: its notes in its order, other
    // files not looked at. Without: every .txt file (the suffix in any case,
    // hidden files left alone) in the byte order of the UTF-8 names, titled
    // by titleFromText() or, when that is empty, by the name less ".txt".
    // Files that are not UTF-8, too large or unreadable are skipped and
    // reported; those past the room are counted in leftOut.
    Imported importNotes(int room) const;

    // "007 Groceries.txt" for index 6: characters no file system takes,
    // control characters, line breaks and direction overrides made "_",
    // leading dots and blanks dropped, cut to a short name, "note" when
    // nothing is left.
    static QString fileNameFor(int index, const QString &title);

private:
    QString m_path;
};
