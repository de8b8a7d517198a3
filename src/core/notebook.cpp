// The notes in the order they were added, and the limit on how many there are.
#include "core/notebook.h"

#include <algorithm>

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

void Notebook::fillBodies(const QList<QString> &bodiesAsStored)
{
    for (Note &note : m_notes) {
        if (!note.hasBody() && note.pendingBody < bodiesAsStored.size()) {
            note.body = bodiesAsStored.at(note.pendingBody);
            note.pendingBody = -1;
        }
    }
}

bool Notebook::hasPendingBodies() const
{
    return std::any_of(m_notes.cbegin(), m_notes.cend(),
                       [](const Note &note) { return !note.hasBody(); });
}

void Notebook::setBody(int index, const QString &body)
{
    m_notes[index].body = body;
    m_notes[index].pendingBody = -1;
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
