// Notes as bytes, to keep or to hand to another process.
#include "core/note.h"

#include <QDataStream>
#include <QIODevice>

QByteArray notesToBytes(const QList<Note> &notes)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << qint32(notes.size());
    for (const Note &note : notes)
        out << note.title << note.body;
    return bytes;
}

std::optional<QList<Note>> notesFromBytes(const QByteArray &bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    qint32 count = 0;
    in >> count;
    QList<Note> notes;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        Note note;
        in >> note.title >> note.body;
        notes.append(note);
    }
    if (in.status() != QDataStream::Ok || count < 0 || !in.atEnd())
        return std::nullopt;
    return notes;
}
