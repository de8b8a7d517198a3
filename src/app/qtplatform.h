#pragma once

#include "app/platform.h"

// The platform services on a real Qt desktop (X11 or Wayland).
class QtPlatform : public Platform
{
public:
    Answer messageBox(QWidget *parent, const QString &prompt, Buttons buttons, Icon icon,
                      const QString &title) override;
    QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                     const QString &preset) override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() override;
    QSize workArea(const QWidget *window) override;
    QPoint screenOrigin(const QWidget *window) override;
    WindowState windowState(const QWidget *window) override;
    QRect windowGeometry(const QWidget *window) override;
    void moveWindow(QWidget *window, int left, int top) override;
    void resizeWindow(QWidget *window, int width, int height) override;
    void setWindowEnabled(QWidget *window, bool enabled) override;
    void setWindowVisible(QWidget *window, bool visible) override;
    void popupMenu(QMenu *menu) override;
    void endProcess() override;
};
