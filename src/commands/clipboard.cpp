// Moving text between the notes and the system clipboard.
#include "app/platform.h"
#include "commands/messages.h"
#include "mainwindow/form1.h"
#include "notes/textrules.h"

#include <QPlainTextEdit>

void Form1::note_toclipboard()
{
    if (notes.pickednote() < 1)
        return;
    platform.setClipboardText(maintextbox->toPlainText());
    setstatus(QStringLiteral("Note copied to clipboard"));
}

void Form1::note_fromclipboard()
{
    if (notes.isFull()) {
        platform.messageBox(this, tooManyNotesMessage(notes.maxnotes), Platform::OkOnly,
                            Platform::Information, QStringLiteral("quillbox"));
        return;
    }
    const QString c = platform.clipboardText();
    if (c.isEmpty())
        return;
    insertnotenow(derivedtitle(c), c);
}
