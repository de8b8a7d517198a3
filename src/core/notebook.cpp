// The notes in the order they were added, and the limit on how many there are.
#include "core/notebook.h"

Notebook::Notebook(QList<Note> notes) : m_notes(std::move(notes))
{
    if (m_notes.size() > maxNotes)
        m_notes.resize(maxNotes);
}

bool Notebook::add(const Note &note)
{
    if (note.title.isEmpty() || isFull())
        return false;
    m_notes.append(note);
    return true;
}

void Notebook::setBody(int index, const QString &body)
{
    m_notes[index].body = body;
}

void Notebook::rename(int index, const QString &title)
{
    m_notes[index].title = title;
}

void Notebook::remove(int index)
{
    m_notes.removeAt(index);
}

void Notebook::clear()
{
    m_notes.clear();
}
