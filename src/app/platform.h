#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QMenu;
class QWidget;

// Every service the program asks of the windowing system. Window positions,
// window sizes and the work area are in twips (15 per logical pixel), outer
// (frame) geometry. Tests swap in a scripted double.
class Platform
{
public:
    enum Buttons { OkOnly, OkCancel, RetryCancel };
    enum Icon { Information, Exclamation, Critical };
    enum Answer { Ok, Cancel, Retry };
    enum WindowState { Normal, Minimized, Maximized };

    static constexpr int twipsPerPixel = 15;

    virtual ~Platform() = default;

    // Modal; the first button is the default. Closing the box answers Cancel
    // (or Ok for a box that has Ok alone).
    virtual Answer messageBox(QWidget *parent, const QString &prompt, Buttons buttons, Icon icon,
                              const QString &title) = 0;
    // Modal; the text on OK, the empty text on Cancel or close.
    virtual QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                             const QString &preset) = 0;

    virtual void setClipboardText(const QString &text) = 0;
    virtual QString clipboardText() = 0;

    // Width and height of the work area of the screen that holds the window.
    virtual QSize workArea(const QWidget *window) = 0;
    // The top-left corner of that screen, from which docked and centred
    // windows are placed; (0, 0) on a single screen.
    virtual QPoint screenOrigin(const QWidget *window) = 0;
    virtual WindowState windowState(const QWidget *window) = 0;
    virtual QRect windowGeometry(const QWidget *window) = 0;
    virtual void moveWindow(QWidget *window, int left, int top) = 0;
    // A change of size raises the window's resize event.
    virtual void resizeWindow(QWidget *window, int width, int height) = 0;
    virtual void setWindowEnabled(QWidget *window, bool enabled) = 0;
    virtual void setWindowVisible(QWidget *window, bool visible) = 0;

    // Shows the menu at the pointer; a chosen item triggers its action.
    virtual void popupMenu(QMenu *menu) = 0;

    // Every window goes away without its close handlers and the event loop ends.
    virtual void endProcess() = 0;
};
