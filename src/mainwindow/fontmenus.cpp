// The font-size pop-ups of the title list and the content box.
#include "app/platform.h"
#include "mainwindow/fontsize.h"
#include "mainwindow/form1.h"

#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>

void setpointsize(QWidget *widget, qreal points)
{
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}

void Form1::mainlist_MouseDown(int button)
{
    if (button == 2)
        platform.popupMenu(mainlistmenu);
}

void Form1::mainlist_size_Click(int index)
{
    setpointsize(mainlist, index);
}

void Form1::maintextbox_size_Click(int index)
{
    setpointsize(maintextbox, index);
}
