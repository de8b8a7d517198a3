#pragma once

#include <QString>

// The refusal of both insert commands when the collection is full.
inline QString tooManyNotesMessage(int maxnotes)
{
    return QStringLiteral("Too many notes. You can only insert up to %1 notes.").arg(maxnotes);
}
