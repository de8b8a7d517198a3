// A picture that works as a button for its action.
#include "ui/picturebutton.h"

#include <QAction>
#include <QMouseEvent>

PictureButton::PictureButton(QAction *action, QWidget *parent) : QLabel(parent), m_action(action)
{
    setMouseTracking(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setToolTip(action->text());
    setAccessibleName(action->text());
}

void PictureButton::setPictures(const QPixmap &normal, const QPixmap &pressed)
{
    m_normal = normal;
    m_pressed = pressed;
    showPicture(m_isDown ? m_pressed : m_normal);
}

void PictureButton::showPicture(const QPixmap &picture)
{
    setPixmap(picture);
    resize(picture.deviceIndependentSize().toSize());
}

void PictureButton::mousePressEvent(QMouseEvent *)
{
    m_isDown = true;
    showPicture(m_pressed);
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    showPicture(m_normal);
    if (m_isDown && event->buttons() == Qt::NoButton) {
        m_isDown = false;
        // A press released away from the button runs nothing.
        if (rect().contains(event->position().toPoint()))
            m_action->trigger();
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent *)
{
    emit hovered();
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}
