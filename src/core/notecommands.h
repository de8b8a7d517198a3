// The commands on the notes: add, update, rename, delete, search, list all,
// flush, and moving text through the clipboard.
#pragma once

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
        int row = -1; // the row removed or renamed
        std::optional<QString> status;
        bool changed = false; // the notes changed: they are to be written
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

private:
    Outcome append(const QString &title, const QString &body);
    // Refuses with a box when the notebook is full.
    bool refusedAsFull();

    Notebook &m_notebook;
    Desktop &m_desktop;
    Listing m_listing;
};
