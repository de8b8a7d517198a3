#include "notes/notecollection.h"

#include <algorithm>

NoteCollection::NoteCollection()
    : notetitles(capacity + 1), notecontents(capacity + 1), listmap(capacity + 1, 0)
{
}

bool NoteCollection::insertnotenow(const QString &ntitle, const QString &ncontent)
{
    if (ntitle.isEmpty() || notecount >= capacity)
        return false;
    ++notecount;
    notetitles[notecount] = ntitle;
    notecontents[notecount] = ncontent;
    ++listtotal;
    listmap[listtotal] = notecount;
    return true;
}

int NoteCollection::deletepicked()
{
    if (curpos < 1 || curpos > listtotal)
        return -1;
    const int row = curpos - 1;
    const int d = listmap[curpos];
    for (int k = d; k <= notecount - 1; ++k) {
        notetitles[k] = std::move(notetitles[k + 1]);
        notecontents[k] = std::move(notecontents[k + 1]);
    }
    // The listing ascends, so every later entry names a note above d.
    for (int p = curpos; p <= listtotal - 1; ++p)
        listmap[p] = listmap[p + 1] - 1;
    --listtotal;
    --notecount;
    curpos = 0;
    return row;
}

void NoteCollection::flush()
{
    notecount = 0;
    listtotal = 0;
    curpos = 0;
}

void NoteCollection::listall()
{
    for (int p = 1; p <= notecount; ++p)
        listmap[p] = p;
    listtotal = notecount;
    curpos = 0;
}

void NoteCollection::listnotes(const QList<int> &indices)
{
    const int total = std::min<int>(indices.size(), capacity);
    for (int p = 1; p <= total; ++p)
        listmap[p] = indices[p - 1];
    listtotal = total;
    curpos = 0;
}

int NoteCollection::pickednote() const
{
    if (curpos < 1 || curpos > listtotal)
        return 0;
    return listmap[curpos];
}

void NoteCollection::assign(const QList<QString> &titles, const QList<QString> &contents)
{
    const int count = std::min<int>(
        {static_cast<int>(titles.size()), static_cast<int>(contents.size()), maxnotes});
    for (int k = 1; k <= count; ++k) {
        notetitles[k] = titles[k - 1];
        notecontents[k] = contents[k - 1];
    }
    notecount = static_cast<qint16>(count);
    listtotal = 0;
    curpos = 0;
}

QList<QString> NoteCollection::titles() const
{
    return notetitles.mid(1, notecount);
}

QList<QString> NoteCollection::contents() const
{
    return notecontents.mid(1, notecount);
}
