// The picture buttons: the toolbar icons, the note buttons and the search
// button, with their pressed pictures, hover captions and commands.
#include "toolbar/toolbar.h"

#include "app/platform.h"
#include "mainwindow/form1.h"
#include "toolbar/artwork.h"
#include "toolbar/picturebutton.h"

#include <QPlainTextEdit>

QString iconCaption(int index)
{
    for (const IconPlace &place : iconPlaces) {
        if (place.index == index)
            return QString::fromLatin1(place.caption);
    }
    return {};
}

void Form1::createStrips()
{
    const qreal dpr = devicePixelRatioF();
    pclip1 = makepclip1(dpr);
    pclip2 = makepclip2(dpr);
    pclip3 = makepclip3(dpr);
}

void Form1::initimages()
{
    for (int i = 0; i <= 6; ++i) {
        icons[static_cast<std::size_t>(i)]->setPicture(pclip1.cell(i));
        if (i <= 5)
            but[static_cast<std::size_t>(i)]->setPicture(pclip2.cell(i));
    }
    ico_search->setPicture(pclip3.cell(0));
}

void Form1::icons_MouseDown(int index)
{
    if (index >= 0 && index <= 6)
        icons[static_cast<std::size_t>(index)]->setPicture(pclip1.cell(index + pclip1.cols()));
}

void Form1::icons_MouseUp(int index)
{
    if (index >= 0 && index <= 6)
        icons[static_cast<std::size_t>(index)]->setPicture(pclip1.cell(index));
}

void Form1::icons_MouseMove(int index)
{
    if (index >= 0 && index <= 6)
        setstatus(iconCaption(index));
}

void Form1::icons_Click(int index)
{
    switch (index) {
    case 0:
        dockleft();
        break;
    case 1:
        dockright();
        break;
    case 2:
        flushall();
        break;
    case 3:
        showall();
        break;
    case 4:
        showabout();
        break;
    case 5:
        byebye();
        break;
    case 6:
        platform.popupMenu(maintextboxmenu);
        break;
    default:
        break;
    }
}

void Form1::Form_MouseMove()
{
    setstatus(QString());
}

void Form1::but_MouseDown(int index)
{
    if (index >= 0 && index <= 5)
        but[static_cast<std::size_t>(index)]->setPicture(pclip2.cell(index + pclip2.cols()));
}

void Form1::but_MouseUp(int index)
{
    if (index >= 0 && index <= 5)
        but[static_cast<std::size_t>(index)]->setPicture(pclip2.cell(index));
}

void Form1::but_Click(int index)
{
    switch (index) {
    case 0:
        maintextbox->setPlainText(QString());
        break;
    case 1:
        note_update();
        break;
    case 2:
        note_delete();
        break;
    case 3:
        note_insert();
        break;
    case 4:
        note_fromclipboard();
        break;
    case 5:
        note_toclipboard();
        break;
    default:
        break;
    }
    refreshstatus();
}

void Form1::ico_search_MouseDown()
{
    ico_search->setPicture(pclip3.cell(1));
}

void Form1::ico_search_MouseUp()
{
    ico_search->setPicture(pclip3.cell(0));
}

void Form1::ico_search_Click()
{
    search();
}
