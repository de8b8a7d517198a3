// The notes in the order they were added, and the limit on how many there are.
#pragma once

#include "core/note.h"

#include <QList>

// Notes have no identity but their place: removing note i moves every later
// note down by one.
class Notebook
{
public:
    static constexpr int maxNotes = 500;

    Notebook() = default;
    // Keeps the first maxNotes of notes.
    explicit Notebook(QList<Note> notes);

    int count() const { return int(m_notes.size()); }
    bool isEmpty() const { return m_notes.isEmpty(); }
    bool isFull() const { return count() >= maxNotes; }
    const Note &at(int index) const { return m_notes.at(index); }
    const QList<Note> &notes() const { return m_notes; }

    // Appends a note; refuses (false) an empty title or a full notebook.
    bool add(const Note &note);
    // Gives the notes still waiting for their bodies the ones read from the
    // store, by the place each had there.
    void fillBodies(const QList<QString> &bodiesAsStored);
    bool hasPendingBodies() const;
    void setBody(int index, const QString &body);
    void rename(int index, const QString &title);
    void remove(int index);
    void clear();

private:
    QList<Note> m_notes;
};
