#pragma once

#include <QList>
#include <QString>

// The notes in memory and the current listing: which notes the title list
// shows, in which order, and which row the user picked. Notes are addressed
// by a 1-based index; listing positions are 1-based too, and slot 0 of every
// array is never a note, so "nothing picked" reads as the empty note.
class NoteCollection
{
public:
    static constexpr int capacity = 500;

    NoteCollection();

    QList<QString> notetitles;   // capacity 0..500, 1..notecount in use
    QList<QString> notecontents; // parallel to notetitles
    qint16 notecount = 0;
    int maxnotes = capacity;
    QList<int> listmap; // listing position -> note index, 1..listtotal in use
    int listtotal = 0;
    int curpos = 0; // picked listing position, 0 for none

    bool isFull() const { return notecount >= maxnotes; }

    // Appends a note and lists it at the end of the current listing. An
    // empty title adds nothing; returns whether the note was added. The
    // caller refuses a full collection first.
    bool insertnotenow(const QString &ntitle, const QString &ncontent);

    // Deletes the note at the picked position, closes the gap in the notes
    // and in the listing and forgets the pick. Returns the 0-based row that
    // left the listing, or -1 when nothing was picked.
    int deletepicked();

    // Forgets every note and the listing; the texts stay in their capacity.
    void flush();

    // Lists every note, in index order, and forgets the pick.
    void listall();
    // Lists the given notes (ascending indices) and forgets the pick.
    void listnotes(const QList<int> &indices);

    // The index of the note at the picked position; 0 when nothing is picked.
    int pickednote() const;
    // Replaces everything with the given notes, unlisted; at most maxnotes.
    void assign(const QList<QString> &titles, const QList<QString> &contents);
    // Titles and bodies of notes 1..notecount, for saving.
    QList<QString> titles() const;
    QList<QString> contents() const;
};
