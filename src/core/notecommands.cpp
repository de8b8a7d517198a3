// The commands on the notes: add, update, rename, delete, search, list all,
// flush, and moving text through the clipboard.
#include "core/notecommands.h"

#include "core/desktop.h"
#include "core/notebook.h"
#include "core/notesearch.h"
#include "core/textrules.h"

namespace
{
using Outcome = NoteCommands::Outcome;
using Rows = Outcome::Rows;

// The title of boxes that carry no title of their own: the program's name,
// the same in every language.
const QString programTitle = QStringLiteral("quillbox");

Outcome rowsChanged(Rows rows, int row = -1)
{
    Outcome outcome;
    outcome.rows = rows;
    outcome.row = row;
    outcome.changed = rows != Rows::Refilled;
    return outcome;
}

Outcome statusOnly(const QString &status)
{
    Outcome outcome;
    outcome.status = status;
    return outcome;
}
} // namespace

NoteCommands::NoteCommands(Notebook &notebook, Desktop &desktop)
    : m_notebook(notebook), m_desktop(desktop)
{
}

QStringList NoteCommands::listedTitles() const
{
    QStringList titles;
    titles.reserve(m_listing.rowCount());
    for (int row = 0; row < m_listing.rowCount(); ++row)
        titles.append(titleAt(row));
    return titles;
}

QString NoteCommands::titleAt(int row) const
{
    const int note = m_listing.noteAt(row);
    return note < 0 ? QString() : m_notebook.title(note);
}

QString NoteCommands::bodyAt(int row) const
{
    const int note = m_listing.noteAt(row);
    return note < 0 ? QString() : m_notebook.at(note).body;
}

QString NoteCommands::countLine() const
{
    return tr("Listing %1 of %n note(s)", nullptr, m_notebook.count()).arg(m_listing.rowCount());
}

Outcome NoteCommands::showAll()
{
    m_listing.showAll(m_notebook.count());
    return rowsChanged(Rows::Refilled);
}

Outcome NoteCommands::search(const QString &text)
{
    const QString wanted = trimBlanks(text);
    if (wanted.isEmpty() || m_notebook.isEmpty())
        return statusOnly(tr("Nothing to search!"));
    const QList<int> found = findNotes(m_notebook.notes(), wanted);
    if (found.isEmpty())
        return statusOnly(tr("No notes found containing the text '%1'").arg(wanted));
    m_listing.showOnly(found);
    Outcome outcome = rowsChanged(Rows::Refilled);
    outcome.status =
        tr("Found %n notes containing the text '%1'", nullptr, int(found.size())).arg(wanted);
    return outcome;
}

Outcome NoteCommands::addNote(const QString &boxText)
{
    const QString body = trimBlanks(boxText);
    if (body.isEmpty())
        return statusOnly(tr("Can't insert blank note!"));
    if (refusedAsFull())
        return {};
    const QString title =
        m_desktop.askText(tr("Insert note"), tr("Enter title of note"), titleFromText(body));
    // The body is kept as typed, blanks and line breaks included.
    return append(title, boxText, tr("Added \"%1\".").arg(title));
}

Outcome NoteCommands::addNoteFromClipboard()
{
    if (refusedAsFull())
        return {};
    const QString text = m_desktop.clipboardText();
    if (text.isEmpty())
        return {};
    const QString title = titleFromText(text);
    return append(title, text, tr("Added \"%1\" from the clipboard.").arg(title));
}

Outcome NoteCommands::updateNote(int row, const QString &boxText)
{
    const int note = m_listing.noteAt(row);
    if (note < 0)
        return {};
    // A box of blanks is still a body: only the empty text is refused.
    if (boxText.isEmpty())
        return statusOnly(tr("Can't update a blank note!"));
    m_notebook.setBody(note, boxText);
    Outcome outcome = statusOnly(tr("'%1' Updated!").arg(m_notebook.at(note).title));
    outcome.changed = true;
    outcome.step = *outcome.status;
    return outcome;
}

Outcome NoteCommands::renameNote(int row)
{
    const int note = m_listing.noteAt(row);
    if (note < 0)
        return {};
    const QString title = m_desktop.askText(tr("Change title"), tr("Change title of note"),
                                            m_notebook.at(note).title);
    if (title.isEmpty())
        return {};
    Outcome outcome = rowsChanged(Rows::Renamed, row);
    outcome.step = tr("Renamed \"%1\" to \"%2\".").arg(m_notebook.title(note), title);
    m_notebook.rename(note, title);
    return outcome;
}

Outcome NoteCommands::deleteNote(int row)
{
    const int note = m_listing.noteAt(row);
    if (note < 0)
        return {};
    Outcome outcome = rowsChanged(Rows::Removed, row);
    outcome.step = tr("Deleted \"%1\".").arg(m_notebook.title(note));
    m_notebook.remove(note);
    m_listing.removeRow(row);
    return outcome;
}

Outcome NoteCommands::flushAll()
{
    const auto answer = m_desktop.showMessage(
        {tr("Flush all notes"),
         tr("This will permanently remove all the notes from the list. Are you sure?"),
         Desktop::Buttons::OkCancel, Desktop::Icon::Warning});
    if (answer != Desktop::Answer::Ok)
        return {};
    Outcome outcome = rowsChanged(Rows::Cleared);
    outcome.step = tr("Flushed %n note(s).", nullptr, m_notebook.count());
    m_notebook.clear();
    m_listing.clear();
    return outcome;
}

Outcome NoteCommands::copyToClipboard(int row, const QString &boxText)
{
    if (m_listing.noteAt(row) < 0)
        return {};
    // What the box shows is copied, unsaved edits included.
    m_desktop.setClipboardText(boxText);
    return statusOnly(tr("Note copied to clipboard"));
}

Outcome NoteCommands::append(const QString &title, const QString &body, const QString &step)
{
    // An empty title (a cancelled box, a text that starts with a line break)
    // adds nothing.
    if (!m_notebook.add({title, body}))
        return {};
    m_listing.append(m_notebook.count() - 1);
    Outcome outcome = rowsChanged(Rows::Appended, m_listing.rowCount() - 1);
    outcome.step = step;
    return outcome;
}

Outcome NoteCommands::importNotes(const QList<Note> &notes, const QString &source)
{
    int added = 0;
    for (const Note &note : notes) {
        if (!m_notebook.insert(m_notebook.count(), note))
            break;
        m_listing.append(m_notebook.count() - 1);
        ++added;
    }
    Outcome outcome = rowsChanged(Rows::Refilled);
    outcome.changed = added > 0;
    outcome.step = tr("Imported %n note(s) from %1.", nullptr, added).arg(source);
    const qsizetype leftOut = notes.size() - added;
    outcome.status = leftOut == 0 ? outcome.step
                                  : outcome.step + u' ' +
                                        tr("%n note(s) left out: Quillbox holds at most %1 notes.",
                                           nullptr, int(leftOut))
                                            .arg(Notebook::maxNotes);
    return outcome;
}

Outcome NoteCommands::applyHistory(const HistoryStep &step, bool undone)
{
    const QList<Note> &out = undone ? step.inserted : step.removed;
    const QList<Note> &in = undone ? step.removed : step.inserted;
    if (!step.droppedText) {
        // Applied from the end, so that no note moves under its own index.
        for (qsizetype k = out.size() - 1; k >= 0; --k)
            m_notebook.remove(step.at + int(k));
        for (qsizetype k = 0; k < in.size(); ++k)
            m_notebook.insert(step.at + int(k), in.at(k));
        m_listing.replaceNotes(step.at, int(out.size()), int(in.size()));
    }
    Outcome outcome = rowsChanged(Rows::Refilled, m_listing.rowOf(step.at));
    outcome.status = (undone ? tr("Undone: %1") : tr("Redone: %1")).arg(step.label);
    return outcome;
}

bool NoteCommands::refusedAsFull()
{
    if (!m_notebook.isFull())
        return false;
    tellLimit();
    return true;
}

void NoteCommands::tellLimit()
{
    m_desktop.showMessage(
        {programTitle,
         tr("Too many notes. You can only insert up to %1 notes.").arg(Notebook::maxNotes),
         Desktop::Buttons::Ok, Desktop::Icon::Information});
}
