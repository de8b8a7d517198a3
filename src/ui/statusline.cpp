// The line at the bottom of the window.
#include "ui/statusline.h"

#include <QAction>
#include <QPushButton>

StatusLine::StatusLine(QWidget *parent) : QLabel(parent), m_offer(new QPushButton(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setTextFormat(Qt::PlainText);
    m_offer->setObjectName(QStringLiteral("offer"));
    m_offer->setFlat(true);
    m_offer->setFocusPolicy(Qt::NoFocus);
    m_offer->setCursor(Qt::PointingHandCursor);
    // A link's look, from the palette: a style sheet costs every start 0.3 MB.
    QPalette link = m_offer->palette();
    link.setColor(QPalette::ButtonText, link.color(QPalette::Link));
    m_offer->setPalette(link);
    QFont underlined = m_offer->font();
    underlined.setUnderline(true);
    m_offer->setFont(underlined);
    m_offer->hide();
    connect(m_offer, &QPushButton::clicked, this, [this] {
        if (m_offered)
            m_offered->trigger();
    });
}

void StatusLine::showMessage(const QString &text, QAction *offer)
{
    m_message = text;
    m_offered = offer;
    // The offer follows its action: what it would undo, whether it can.
    if (offer)
        connect(offer, &QAction::changed, this, &StatusLine::refresh, Qt::UniqueConnection);
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
    showMessage(message);
}

void StatusLine::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    refresh();
}

void StatusLine::refresh()
{
    setText(hasWarning() ? m_warning : m_message);
    // The line is narrow: the whole text is a hover away.
    setToolTip(hasWarning() ? m_warning : m_message);
    QPalette warned = palette();
    warned.setColor(QPalette::WindowText,
                    hasWarning() ? QColor(0xb0, 0, 0) : QPalette().color(QPalette::WindowText));
    setPalette(warned);
    const bool offering = m_offered && m_offered->isEnabled() && !hasWarning();
    m_offer->setVisible(offering);
    if (!offering) {
        setContentsMargins(0, 0, 0, 0);
        return;
    }
    m_offer->setText(m_offered->text());
    m_offer->setToolTip(m_offered->toolTip());
    m_offer->setAccessibleName(m_offered->toolTip());
    m_offer->setAccessibleDescription(
        tr("Shortcut: %1").arg(m_offered->shortcut().toString(QKeySequence::NativeText)));
    m_offer->adjustSize();
    m_offer->setGeometry(width() - m_offer->width() - 2, 1, m_offer->width(), height() - 2);
    setContentsMargins(0, 0, m_offer->width(), 0);
}
