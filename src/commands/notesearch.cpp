#include "commands/notesearch.h"

QList<int> findnotes(const NoteCollection &notes, const QString &s)
{
    QList<int> matches;
    if (s.isEmpty())
        return matches;
    const QString upper = s.toUpper();
    for (int k = 1; k <= notes.notecount; ++k) {
        const bool inBody = notes.notecontents[k].toUpper().contains(upper);
        const bool inTitle = notes.notetitles[k].contains(s);
        if (inBody || inTitle)
            matches.append(k);
    }
    return matches;
}
