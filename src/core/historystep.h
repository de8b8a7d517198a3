// One command of the undo history: what it changed, so that it can be
// undone and done again.
#pragma once

#include "core/note.h"

#include <QList>
#include <QString>
#include <optional>

// A command that changed the notes took `removed` out at place `at` and put
// `inserted` there: an add, an update, a rename, a delete, a flush and an
// import are each such a splice. A dropped edit changed no note: the text
// typed into the box for note `at` (-1 when none was picked) gave way to
// another text.
struct HistoryStep {
    qint64 id = 0; // the order of the steps; 0 until stored
    QString label; // what the command did, as the status line tells it
    int at = 0;
    QList<Note> removed;
    QList<Note> inserted;
    std::optional<QString> droppedText;

    bool changesNotes() const { return !removed.isEmpty() || !inserted.isEmpty(); }
    // The least splice that turns before into after.
    static HistoryStep between(const QList<Note> &before, const QList<Note> &after);
    QList<Note> redone(QList<Note> notes) const;
    QList<Note> undone(QList<Note> notes) const;
    // Characters held: the measure of the history's bound.
    qint64 size() const;
};
