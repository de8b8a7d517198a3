// The search rule: which notes hold a text.
#pragma once

#include "core/note.h"

#include <QList>
#include <QString>

// The indices, ascending, of the notes whose body holds text in any case
// (both upper-cased, full Unicode) or whose title holds text as it stands.
// text is searched as given; an empty text matches nothing.
QList<int> findNotes(const QList<Note> &notes, const QString &text);
