// The notes in the order they were added, and the limit on how many there are.
#pragma once

#include "core/note.h"

#include <QList>
#include <QStringList>
#include <functional>

// Notes have no identity but their place: removing note i moves every later
// note down by one.
//
// A notebook can start with its titles alone and a function that gives the
// bodies, by place, the first time any body or any change is asked for; the
// caller waits for them then. Its users never see a note without its body.
class Notebook
{
public:
    static constexpr int maxNotes = 500;

    Notebook() = default;
    // Keeps the first maxNotes of notes.
    explicit Notebook(QList<Note> notes);
    Notebook(const QStringList &titles, std::function<QList<QString>()> readBodies);

    int count() const { return int(m_notes.size()); }
    bool isEmpty() const { return m_notes.isEmpty(); }
    bool isFull() const { return count() >= maxNotes; }
    // Never waits for the bodies.
    const QString &title(int index) const { return m_notes.at(index).title; }
    const Note &at(int index) const;
    const QList<Note> &notes() const;

    // Appends a note; refuses (false) an empty title or a full notebook.
    bool add(const Note &note);
    // Puts note at index, moving the notes from there on; never past the limit.
    bool insert(int index, const Note &note);
    void setBody(int index, const QString &body);
    void rename(int index, const QString &title);
    void remove(int index);
    void clear();

private:
    void readBodies() const;

    // Filled in by readBodies(), once, on first need.
    mutable QList<Note> m_notes;
    mutable std::function<QList<QString>()> m_readBodies;
};
