// The notes in the order they were added, and the limit on how many there are.
#include "core/notebook.h"

Notebook::Notebook(QList<Note> notes) : m_notes(std::move(notes))
{
    if (m_notes.size() > maxNotes)
        m_notes.resize(maxNotes);
}

Notebook::Notebook(const QStringList &titles, std::function<QList<QString>()> readBodies)
    : m_readBodies(std::move(readBodies))
{
    m_notes.reserve(titles.size());
    for (const QString &title : titles)
        m_notes.append({title, QString()});
}

void Notebook::readBodies() const
{
    if (!m_readBodies)
        return;
    const QList<QString> bodies = std::exchange(m_readBodies, {})();
    for (qsizetype i = 0; i < m_notes.size(); ++i)
        m_notes[i].body = bodies.value(i);
}

const Note &Notebook::at(int index) const
{
    readBodies();
    return m_notes.at(index);
}

const QList<Note> &Notebook::notes() const
{
    readBodies();
    return m_notes;
}

bool Notebook::add(const Note &note)
{
    if (note.title.isEmpty() || isFull())
        return false;
    readBodies();
    m_notes.append(note);
    return true;
}

bool Notebook::insert(int index, const Note &note)
{
    if (isFull())
        return false;
    readBodies();
    m_notes.insert(index, note);
    return true;
}

void Notebook::setBody(int index, const QString &body)
{
    readBodies();
    m_notes[index].body = body;
}

void Notebook::rename(int index, const QString &title)
{
    readBodies();
    m_notes[index].title = title;
}

void Notebook::remove(int index)
{
    readBodies();
    m_notes.removeAt(index);
}

void Notebook::clear()
{
    m_readBodies = {};
    m_notes.clear();
}
