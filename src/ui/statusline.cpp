// The line at the bottom of the window.
#include "ui/statusline.h"

StatusLine::StatusLine(QWidget *parent) : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setTextFormat(Qt::PlainText);
}

void StatusLine::showMessage(const QString &text)
{
    m_message = text;
    refresh();
}

void StatusLine::setWarning(const QString &text)
{
    m_warning = text;
    refresh();
}

void StatusLine::liftWarning(const QString &message)
{
    m_warning.clear();
    m_message = message;
    refresh();
}

void StatusLine::refresh()
{
    setText(hasWarning() ? m_warning : m_message);
    // The line is narrow: the whole text is a hover away.
    setToolTip(text());
    setStyleSheet(hasWarning() ? QStringLiteral("color: #b00000;") : QString());
}
