#pragma once

#include "notes/notecollection.h"

#include <QList>
#include <QString>

// The indices, ascending, of the notes whose body holds s in any case
// (compared upper-cased, full Unicode) or whose title holds s as it stands.
// s is searched as given; the caller trims it.
QList<int> findnotes(const NoteCollection &notes, const QString &s);
