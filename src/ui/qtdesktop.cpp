// The desktop services on a real Qt desktop (X11 or Wayland).
#include "ui/qtdesktop.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

QtDesktop::QtDesktop(QWidget *window) : m_window(window) {}

Desktop::Answer QtDesktop::showMessage(const Message &message)
{
    QMessageBox box(m_window);
    box.setWindowTitle(message.title);
    box.setText(message.text);
    box.setIcon(message.icon == Icon::Information ? QMessageBox::Information
                : message.icon == Icon::Warning   ? QMessageBox::Warning
                                                  : QMessageBox::Critical);
    QPushButton *first = nullptr;
    switch (message.buttons) {
    case Buttons::Ok:
        first = box.addButton(QMessageBox::Ok);
        box.setEscapeButton(first);
        break;
    case Buttons::OkCancel:
        first = box.addButton(QMessageBox::Ok);
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
        break;
    case Buttons::RetryCancel:
        first = box.addButton(QMessageBox::Retry);
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
        break;
    }
    box.setDefaultButton(first);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Retry:
        return Answer::Retry;
    default:
        return Answer::Cancel;
    }
}

QString QtDesktop::askText(const QString &title, const QString &prompt, const QString &preset)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_window, title, prompt, QLineEdit::Normal, preset, &ok);
    return ok ? text : QString();
}

QString QtDesktop::clipboardText()
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

void QtDesktop::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

QRect QtDesktop::workArea()
{
    QScreen *screen = m_window ? m_window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QString QtDesktop::windowPlacementProblem()
{
    // Qt names its Wayland platforms "wayland", "wayland-egl" and the like.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return {};
    return QCoreApplication::translate("QtDesktop",
                                       "Docking needs X11: log in to an X11 session, or install "
                                       "XWayland, and start Quillbox again.");
}
