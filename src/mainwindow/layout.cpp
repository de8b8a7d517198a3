// Layout on every resize, the smallest size, and docking to the screen edges.
#include "app/platform.h"
#include "mainwindow/form1.h"
#include "mainwindow/layoutrules.h"
#include "toolbar/picturebutton.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMoveEvent>
#include <QPlainTextEdit>
#include <QResizeEvent>

namespace
{

// The smallest outer size is also the widget's minimum, so that the window
// manager stops a drag there instead of the window snapping back. The
// minimum is a client size: the frame's own size is taken off once known.
void holdsmallestsize(QWidget *window)
{
    if (window->isMinimized() || window->isMaximized() || window->isFullScreen())
        return;
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const QSize smallest(smallestWidthPixels - frame.width(),
                         smallestHeightPixels - frame.height());
    if (window->minimumSize() != smallest)
        window->setMinimumSize(smallest);
}

} // namespace

void Form1::adjustform()
{
    holdsmallestsize(this);
    // Each step reads the window's size afresh, so a nested run raised by
    // the smallest-size rules leaves the same result as one run.
    QRect outer = platform.windowGeometry(this);
    if (outer.width() < smallestWidthPixels * tpp)
        platform.resizeWindow(this, smallestWidthPixels * tpp, outer.height());
    outer = platform.windowGeometry(this);
    if (outer.height() < smallestHeightPixels * tppint)
        platform.resizeWindow(this, outer.width(), smallestHeightPixels * tppint);
    outer = platform.windowGeometry(this);

    const int wp = twipstopixels(outer.width());
    const int hp = twipstopixels(outer.height());
    const WindowLayout l = layoutfor(wp, hp);
    mainlist->resize(l.mainlistWidth, mainlist->height());
    maintextbox->setGeometry(maintextbox->x(), l.maintextboxTop, l.maintextboxWidth,
                             maintextbox->height());
    Label1->move(Label1->x(), maintextbox->y() - 20);
    buttop = l.buttop;
    butleft = l.butleft;
    for (std::size_t i = 0; i < but.size(); ++i)
        but[i]->move(l.butLefts[i], buttop);
    ico_search->move(l.icoSearchLeft, ico_search->y());
    searchbox->resize(l.searchboxWidth, searchbox->height());
    mainlist->resize(mainlist->width(), maintextbox->y() - 75);
    status->setGeometry(status->x(), l.statusTop, l.statusWidth, status->height());

    laidOutFrameWidth = frameGeometry().width();
    laidOutFrameHeight = frameGeometry().height();
}

void Form1::Form_Resize()
{
    if (platform.windowState(this) != Platform::Minimized)
        adjustform();
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyFrameOnce();
    Form_Resize();
}

void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Restoring a minimised window need not resize it, yet its layout may
    // be stale: nothing was laid out while it was minimised.
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void Form1::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    applyFrameOnce();
    // The window manager tells the frame's size with a move; lay out again
    // when the outer size changed without a resize of the client.
    const QRect frame = frameGeometry();
    if (frame.width() != laidOutFrameWidth || frame.height() != laidOutFrameHeight)
        Form_Resize();
}

void Form1::applyFrameOnce()
{
    // The start width is an outer width; until the window manager has framed
    // the window it could only be given to the client. Before that the
    // frame is no larger than the client.
    if (frameKnown)
        return;
    const QRect frame = frameGeometry();
    if (frame.size() == geometry().size())
        return;
    frameKnown = true;
    holdsmallestsize(this);
    if (!ended && platform.windowState(this) == Platform::Normal) {
        const QRect outer = platform.windowGeometry(this);
        if (outer.width() != 180 * tpp && geometry().width() == 180)
            platform.resizeWindow(this, 180 * tpp, outer.height());
    }
}

void Form1::dockleft()
{
    if (platform.windowState(this) != Platform::Normal)
        return;
    const QPoint origin = platform.screenOrigin(this);
    platform.moveWindow(this, origin.x(), origin.y());
    const QRect outer = platform.windowGeometry(this);
    platform.resizeWindow(this, outer.width(), platform.workArea(this).height());
}

void Form1::dockright()
{
    if (platform.windowState(this) != Platform::Normal)
        return;
    const QRect outer = platform.windowGeometry(this);
    const int width = outer.width();
    const QPoint origin = platform.screenOrigin(this);
    platform.moveWindow(this, origin.x() + platform.workArea(this).width() - width, origin.y());
    platform.resizeWindow(this, width, platform.workArea(this).height());
}
