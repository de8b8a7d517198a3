#include "app/qtplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace
{

int toTwips(int pixels)
{
    return pixels * Platform::twipsPerPixel;
}

int toPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / Platform::twipsPerPixel));
}

QScreen *screenOf(const QWidget *window)
{
    QScreen *screen = window ? window->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

} // namespace

Platform::Answer QtPlatform::messageBox(QWidget *parent, const QString &prompt, Buttons buttons,
                                        Icon icon, const QString &title)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(prompt);
    box.setIcon(icon == Information   ? QMessageBox::Information
                : icon == Exclamation ? QMessageBox::Warning
                                      : QMessageBox::Critical);
    QPushButton *first = nullptr;
    switch (buttons) {
    case OkOnly:
        first = box.addButton(QMessageBox::Ok);
        box.setEscapeButton(first);
        break;
    case OkCancel:
        first = box.addButton(QMessageBox::Ok);
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
        break;
    case RetryCancel:
        first = box.addButton(QMessageBox::Retry);
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
        break;
    }
    box.setDefaultButton(first);
    box.exec();
    const auto chosen = box.standardButton(box.clickedButton());
    if (chosen == QMessageBox::Ok)
        return Ok;
    if (chosen == QMessageBox::Retry)
        return Retry;
    return Cancel;
}

QString QtPlatform::inputBox(QWidget *parent, const QString &prompt, const QString &title,
                             const QString &preset)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, preset, &ok);
    return ok ? text : QString();
}

void QtPlatform::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

QString QtPlatform::clipboardText()
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

QSize QtPlatform::workArea(const QWidget *window)
{
    const QRect area = screenOf(window)->availableGeometry();
    return {toTwips(area.width()), toTwips(area.height())};
}

QPoint QtPlatform::screenOrigin(const QWidget *window)
{
    const QPoint corner = screenOf(window)->geometry().topLeft();
    return {toTwips(corner.x()), toTwips(corner.y())};
}

Platform::WindowState QtPlatform::windowState(const QWidget *window)
{
    const Qt::WindowStates state = window->windowState();
    if (state & Qt::WindowMinimized)
        return Minimized;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return Maximized;
    return Normal;
}

QRect QtPlatform::windowGeometry(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    return {toTwips(frame.x()), toTwips(frame.y()), toTwips(frame.width()),
            toTwips(frame.height())};
}

void QtPlatform::moveWindow(QWidget *window, int left, int top)
{
    // move() places the frame's top-left corner.
    window->move(toPixels(left), toPixels(top));
}

void QtPlatform::resizeWindow(QWidget *window, int width, int height)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    const int extraWidth = frame.width() - client.width();
    const int extraHeight = frame.height() - client.height();
    window->resize(toPixels(width) - extraWidth, toPixels(height) - extraHeight);
}

void QtPlatform::setWindowEnabled(QWidget *window, bool enabled)
{
    window->setEnabled(enabled);
}

void QtPlatform::setWindowVisible(QWidget *window, bool visible)
{
    window->setVisible(visible);
}

void QtPlatform::popupMenu(QMenu *menu)
{
    menu->popup(QCursor::pos());
}

void QtPlatform::endProcess()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}
