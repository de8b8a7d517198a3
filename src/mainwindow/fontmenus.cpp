// The font-size pop-ups of the title list and the content box.
#include "app/platform.h"
#include "mainwindow/form1.h"

#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>

namespace
{

void setPointSize(QWidget *widget, int size)
{
    QFont font = widget->font();
    font.setPointSize(size);
    widget->setFont(font);
}

} // namespace

void Form1::mainlist_MouseDown(int button)
{
    if (button == 2)
        platform.popupMenu(mainlistmenu);
}

void Form1::mainlist_size_Click(int index)
{
    setPointSize(mainlist, index);
}

void Form1::maintextbox_size_Click(int index)
{
    setPointSize(maintextbox, index);
}
