// The rows of the title list: every note, or the notes a search found.
#include "core/listing.h"

#include <algorithm>
#include <numeric>

int Listing::noteAt(int row) const
{
    return row >= 0 && row < rowCount() ? m_notes.at(row) : -1;
}

void Listing::showAll(int noteCount)
{
    m_notes.resize(noteCount);
    std::iota(m_notes.begin(), m_notes.end(), 0);
}

void Listing::showOnly(const QList<int> &notes)
{
    m_notes = notes;
}

void Listing::append(int note)
{
    m_notes.append(note);
}

void Listing::removeRow(int row)
{
    m_notes.removeAt(row);
    for (qsizetype later = row; later < m_notes.size(); ++later)
        --m_notes[later];
}

void Listing::clear()
{
    m_notes.clear();
}

void Listing::replaceNotes(int at, int removed, int inserted)
{
    QList<int> rows;
    for (int note : std::as_const(m_notes)) {
        if (note < at)
            rows.append(note);
        else if (note >= at + removed)
            rows.append(note - removed + inserted);
    }
    for (int note = at; note < at + inserted; ++note)
        rows.insert(std::lower_bound(rows.begin(), rows.end(), note), note);
    m_notes = rows;
}
