#include "scriptedplatform.h"

#include <QWidget>
#include <cmath>

namespace
{

int pixels(int twips)
{
    return static_cast<int>(std::lround(twips / double(Platform::twipsPerPixel)));
}

} // namespace

Platform::Answer ScriptedPlatform::messageBox(QWidget *, const QString &prompt, Buttons buttons,
                                              Icon icon, const QString &title)
{
    messageBoxes.append({prompt, buttons, icon, title});
    if (whileBoxOpen)
        whileBoxOpen();
    if (messageAnswers.isEmpty())
        return buttons == OkOnly ? Ok : Cancel;
    return messageAnswers.dequeue();
}

QString ScriptedPlatform::inputBox(QWidget *, const QString &prompt, const QString &title,
                                   const QString &preset)
{
    inputBoxes.append({prompt, title, preset});
    if (whileBoxOpen)
        whileBoxOpen();
    return inputAnswers.isEmpty() ? QString() : inputAnswers.dequeue();
}

void ScriptedPlatform::setClipboardText(const QString &text)
{
    clipboard = text;
    clipboardHasText = true;
}

QString ScriptedPlatform::clipboardText()
{
    ++clipboardReads;
    return clipboardHasText ? clipboard : QString();
}

QSize ScriptedPlatform::workArea(const QWidget *)
{
    return scriptedWorkArea;
}

QPoint ScriptedPlatform::screenOrigin(const QWidget *)
{
    return scriptedScreenOrigin;
}

Platform::WindowState ScriptedPlatform::windowState(const QWidget *window)
{
    if (scriptedState)
        return *scriptedState;
    if (window->isMinimized())
        return Minimized;
    if (window->isMaximized())
        return Maximized;
    return Normal;
}

QRect ScriptedPlatform::windowGeometry(const QWidget *window)
{
    const QRect g = window->frameGeometry();
    return {g.x() * twipsPerPixel, g.y() * twipsPerPixel, g.width() * twipsPerPixel,
            g.height() * twipsPerPixel};
}

void ScriptedPlatform::moveWindow(QWidget *window, int left, int top)
{
    window->move(pixels(left), pixels(top));
}

void ScriptedPlatform::resizeWindow(QWidget *window, int width, int height)
{
    // Sizes are outer sizes; the offscreen platform draws a thin frame too.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    window->resize(pixels(width) - frame.width(), pixels(height) - frame.height());
}

void ScriptedPlatform::setWindowEnabled(QWidget *window, bool enabled)
{
    window->setEnabled(enabled);
}

void ScriptedPlatform::setWindowVisible(QWidget *window, bool visible)
{
    window->setVisible(visible);
}

void ScriptedPlatform::popupMenu(QMenu *menu)
{
    poppedMenus.append(menu);
}

void ScriptedPlatform::endProcess()
{
    ++endCount;
}
