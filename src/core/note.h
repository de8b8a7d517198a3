// A note: a title and a body of free text; and notes as bytes, to keep or
// to hand to another process.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

struct Note {
    QString title;
    QString body;

    friend bool operator==(const Note &, const Note &) = default;
};

// Every text exactly, lone surrogates and NUL included; nothing when the
// bytes are not such a list.
QByteArray notesToBytes(const QList<Note> &notes);
std::optional<QList<Note>> notesFromBytes(const QByteArray &bytes);
