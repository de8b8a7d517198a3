// The commands on the notes: add, update, rename, delete, search, list all,
// flush, and moving text through the clipboard.
#pragma once

#include "core/historystep.h"
#include "core/listing.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

class Desktop;
class Notebook;

// Each command takes what the user gave (the text box, the picked row) and
// answers what the window must show. A picked row of -1 means none. The
// listing always matches the title list row for row.
class NoteCommands
{
    Q_DECLARE_TR_FUNCTIONS(NoteCommands)

public:
    // What the title list and the status line must show after a command.
    struct Outcome {
        enum class Rows { Unchanged, Refilled, Appended, Removed, Renamed, Cleared };
        Rows rows = Rows::Unchanged;
        int row = -1; // the row removed or renamed; after a step of the history, the row to pick
        std::optional<QString> status;
        bool changed = false; // the notes changed: they are to be written
        QString step;         // when they changed: what the command did, for the undo history
    };

    NoteCommands(Notebook &notebook, Desktop &desktop);

    QStringList listedTitles() const;
    QString titleAt(int row) const;
    // The body of the note at row; the empty text for no row.
    QString bodyAt(int row) const;
    // "Listing 3 of 12 note(s)".
    QString countLine() const;

    Outcome showAll();
    Outcome search(const QString &text);
    Outcome addNote(const QString &boxText);
    Outcome addNoteFromClipboard();
    Outcome updateNote(int row, const QString &boxText);
    Outcome renameNote(int row);
    Outcome deleteNote(int row);
    Outcome flushAll();
    Outcome copyToClipboard(int row, const QString &boxText);
    // Notes read elsewhere (a folder of plain files), added after those
    // held, as many as there is room for; one step of the undo history.
    Outcome importNotes(const QList<Note> &notes, const QString &source);
    // A step of the undo history, taken back or done again, as the session
    // did it in the store: the notes it takes out leave the listing, those
    // it puts back join it in their places, and the first of them is the
    // row to pick.
    Outcome applyHistory(const HistoryStep &step, bool undone);
    // The box that refuses a note past the limit.
    void tellLimit();
    // The note shown at row, or -1.
    int noteAt(int row) const { return m_listing.noteAt(row); }

private:
    Outcome append(const QString &title, const QString &body, const QString &step);
    // Refuses with a box when the notebook is full.
    bool refusedAsFull();

    Notebook &m_notebook;
    Desktop &m_desktop;
    Listing m_listing;
};
