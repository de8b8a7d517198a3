// Adding, updating and renaming notes from what the user typed.
#include "app/platform.h"
#include "commands/messages.h"
#include "mainwindow/form1.h"
#include "notes/textrules.h"

#include <QListWidget>
#include <QPlainTextEdit>

void Form1::note_insert()
{
    const QString b = trimblanks(maintextbox->toPlainText());
    if (b.isEmpty()) {
        setstatus(QStringLiteral("Can't insert blank note!"));
        return;
    }
    if (notes.isFull()) {
        platform.messageBox(this, tooManyNotesMessage(notes.maxnotes), Platform::OkOnly,
                            Platform::Information, QStringLiteral("quillbox"));
        return;
    }
    const QString n = platform.inputBox(this, QStringLiteral("Enter title of note"),
                                        QStringLiteral("Insert note"), derivedtitle(b));
    const QString c = maintextbox->toPlainText();
    insertnotenow(n, c);
}

void Form1::note_update()
{
    const int k = notes.pickednote();
    if (k < 1)
        return;
    const QString text = maintextbox->toPlainText();
    if (text.isEmpty()) {
        setstatus(QStringLiteral("Can't update a blank note!"));
        return;
    }
    notes.notecontents[k] = text;
    setstatus(QStringLiteral("'") + notes.notetitles[k] + QStringLiteral("' Updated!"));
}

void Form1::mainlist_DblClick()
{
    const QModelIndexList picked = mainlist->selectionModel()->selectedRows();
    if (picked.isEmpty())
        return; // a double click on no title renames nothing
    notes.curpos = picked.first().row() + 1;
    const int k = notes.pickednote();
    const QString o = notes.notetitles[k];
    const QString n = platform.inputBox(this, QStringLiteral("Change title of note"),
                                        QStringLiteral("Change title"), o);
    if (n.isEmpty())
        return;
    notes.notetitles[k] = n;
    mainlist->item(notes.curpos - 1)->setText(n);
}
