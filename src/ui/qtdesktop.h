// The desktop services on a real Qt desktop (X11 or Wayland).
#pragma once

#include "core/desktop.h"

class QWidget;

// Boxes are modal to the given window, and the work area is that of the
// screen the window stands on.
class QtDesktop : public Desktop
{
public:
    explicit QtDesktop(QWidget *window);

    Answer showMessage(const Message &message) override;
    QString askText(const QString &title, const QString &prompt, const QString &preset) override;
    QString clipboardText() override;
    void setClipboardText(const QString &text) override;
    QRect workArea() override;
    QString windowPlacementProblem() override;

private:
    QWidget *m_window;
};
