// Narrowing the title list to the notes that hold a text.
#include "commands/notesearch.h"
#include "mainwindow/form1.h"
#include "notes/textrules.h"

#include <QLineEdit>

void Form1::search()
{
    const QString s = trimblanks(searchbox->text());
    if (s.isEmpty() || notes.notecount < 1) {
        setstatus(QStringLiteral("Nothing to search!"));
        return;
    }
    const QList<int> matches = findnotes(notes, s);
    const auto found = static_cast<int>(matches.size());
    if (found == 0) {
        setstatus(QStringLiteral("No notes found containing the text '") + s + QStringLiteral("'"));
        return;
    }
    notes.listnotes(matches);
    refreshlist();
    setstatus(QStringLiteral("Found %1 notes containing the text '").arg(found) + s +
              QStringLiteral("'"));
}
