// A picture that works as a button for its action.
#include "ui/picturebutton.h"

#include <QAction>
#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(QAction *action, QWidget *parent)
    : QAbstractButton(parent), m_action(action)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setToolTip(action->text());
    setAccessibleName(action->text());
    if (!action->shortcut().isEmpty())
        setAccessibleDescription(
            tr("Shortcut: %1").arg(action->shortcut().toString(QKeySequence::NativeText)));
    // A screen reader's press, and a click() from code, run the command.
    connect(this, &QAbstractButton::clicked, action, &QAction::trigger);
}

void PictureButton::setPictures(const QPixmap &normal, const QPixmap &pressed)
{
    m_normal = normal;
    m_pressed = pressed;
    resize(normal.deviceIndependentSize().toSize());
    update();
}

void PictureButton::showDown(bool down)
{
    m_isDown = down;
    repaint();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, picture());
}

void PictureButton::mousePressEvent(QMouseEvent *)
{
    m_isHeld = true;
    showDown(true);
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    showDown(false);
    if (!m_isHeld || event->buttons() != Qt::NoButton)
        return;
    m_isHeld = false;
    // A press released away from the button runs nothing.
    if (rect().contains(event->position().toPoint()))
        m_action->trigger();
}

void PictureButton::mouseMoveEvent(QMouseEvent *)
{
    emit hovered();
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}
