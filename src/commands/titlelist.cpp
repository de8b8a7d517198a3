// The title list, the count line and the status line, and the changes to
// the collection that the list shows at once.
#include "app/platform.h"
#include "mainwindow/form1.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

void Form1::showall()
{
    notes.listall();
    refreshlist();
}

void Form1::refreshlist()
{
    // A refill is no pick of the user's: no selection event may run.
    const QSignalBlocker quiet(mainlist);
    mainlist->clear();
    QStringList titles;
    titles.reserve(notes.listtotal);
    for (int p = 1; p <= notes.listtotal; ++p)
        titles.append(notes.notetitles[notes.listmap[p]]);
    mainlist->addItems(titles);
    refreshstatus();
}

void Form1::refreshstatus()
{
    Label1->setText(QStringLiteral("Listing %1 of %2 note(s)")
                        .arg(notes.listtotal)
                        .arg(static_cast<int>(notes.notecount)));
}

void Form1::setstatus(const QString &sline)
{
    status->setText(sline);
}

void Form1::mainlist_Click()
{
    const QModelIndexList picked = mainlist->selectionModel()->selectedRows();
    notes.curpos = picked.isEmpty() ? 0 : picked.first().row() + 1;
    shownote();
}

void Form1::shownote()
{
    maintextbox->setPlainText(notes.notecontents[notes.pickednote()]);
}

void Form1::insertnotenow(const QString &ntitle, const QString &ncontent)
{
    if (notes.insertnotenow(ntitle, ncontent))
        mainlist->addItem(ntitle);
}

void Form1::note_delete()
{
    const int row = notes.deletepicked();
    if (row < 0)
        return;
    const QSignalBlocker quiet(mainlist);
    delete mainlist->takeItem(row);
    mainlist->clearSelection();
}

void Form1::flushall()
{
    const auto answer = platform.messageBox(
        this,
        QStringLiteral("This will permanently remove all the notes from the list. Are you sure?"),
        Platform::OkCancel, Platform::Exclamation, QStringLiteral("Flush all notes"));
    if (answer != Platform::Ok)
        return;
    notes.flush();
    const QSignalBlocker quiet(mainlist);
    mainlist->clear();
}
