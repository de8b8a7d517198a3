// The rows of the title list: every note, or the notes a search found.
#pragma once

#include <QList>

// Row r shows note noteAt(r). Rows always name notes in ascending order, so
// removing a note only renumbers the rows after it.
class Listing
{
public:
    int rowCount() const { return int(m_notes.size()); }
    // The note shown at row; -1 for a row outside the listing.
    int noteAt(int row) const;

    void showAll(int noteCount);
    // notes ascending.
    void showOnly(const QList<int> &notes);
    // A new note joins the listing at its end, whether or not it would match
    // the search that made the listing.
    void append(int note);
    // The note at row left the notebook: drops the row and renumbers the
    // notes of the rows after it.
    void removeRow(int row);
    // `removed` notes from note `at` on left the notebook and `inserted`
    // took their place: their rows go, the new notes' rows join in order,
    // and the rows after are renumbered.
    void replaceNotes(int at, int removed, int inserted);
    // The row that shows note, or -1.
    int rowOf(int note) const { return int(m_notes.indexOf(note)); }
    void clear();

private:
    QList<int> m_notes;
};
