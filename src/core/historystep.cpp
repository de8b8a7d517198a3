// One command of the undo history.
#include "core/historystep.h"

namespace
{

// Texts handed on from state to state share their data: most compare at once.
bool same(const Note &a, const Note &b)
{
    return (a.title.isSharedWith(b.title) || a.title == b.title) &&
           (a.body.isSharedWith(b.body) || a.body == b.body);
}

QList<Note> spliced(QList<Note> notes, int at, qsizetype take, const QList<Note> &put)
{
    notes.remove(at, take);
    for (qsizetype i = 0; i < put.size(); ++i)
        notes.insert(at + i, put.at(i));
    return notes;
}

} // namespace

HistoryStep HistoryStep::between(const QList<Note> &before, const QList<Note> &after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype first = 0;
    while (first < shorter && same(before.at(first), after.at(first)))
        ++first;
    qsizetype last = 0; // notes the same at the end
    while (last < shorter - first &&
           same(before.at(before.size() - 1 - last), after.at(after.size() - 1 - last)))
        ++last;
    HistoryStep step;
    step.at = int(first);
    step.removed = before.mid(first, before.size() - first - last);
    step.inserted = after.mid(first, after.size() - first - last);
    return step;
}

QList<Note> HistoryStep::redone(QList<Note> notes) const
{
    return droppedText ? notes : spliced(std::move(notes), at, removed.size(), inserted);
}

QList<Note> HistoryStep::undone(QList<Note> notes) const
{
    return droppedText ? notes : spliced(std::move(notes), at, inserted.size(), removed);
}

qint64 HistoryStep::size() const
{
    qint64 characters = label.size() + droppedText.value_or(QString()).size();
    for (const QList<Note> *notes : {&removed, &inserted}) {
        for (const Note &note : *notes)
            characters += note.title.size() + note.body.size();
    }
    return characters;
}
