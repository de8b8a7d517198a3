// What the commands and the window ask of the desktop: modal boxes, the
// clipboard, the screen's work area and whether the window may be placed.
// The window gives the real desktop; tests give a fake that answers from a
// script.
#pragma once

#include <QRect>
#include <QString>

class Desktop
{
public:
    enum class Buttons { Ok, OkCancel, RetryCancel };
    enum class Icon { Information, Warning, Critical };
    enum class Answer { Ok, Cancel, Retry };

    struct Message {
        QString title;
        QString text;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::Information;
    };

    virtual ~Desktop() = default;

    // Modal; the first button is the default. Closing the box answers Cancel
    // (Ok when Ok is the only button).
    virtual Answer showMessage(const Message &message) = 0;
    // Modal; the text on OK, the empty text on Cancel or when closed.
    virtual QString askText(const QString &title, const QString &prompt, const QString &preset) = 0;

    // Plain text of the clipboard (not the selection); empty when it holds none.
    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString &text) = 0;

    // The work area (the screen less its panels) of the screen that holds
    // the main window, in logical pixels.
    virtual QRect workArea() = 0;
    // Why the program cannot place its own window here, in words a user can
    // act on, shown when docking; empty when it can. A Wayland client may not
    // place its window.
    virtual QString windowPlacementProblem() = 0;
};
