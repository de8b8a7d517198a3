#include "toolbar/picturebutton.h"

#include <QMouseEvent>

PictureButton::PictureButton(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureButton::setPicture(const QPixmap &picture)
{
    setPixmap(picture);
    resize(picture.deviceIndependentSize().toSize());
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    pressed = true;
    emit mouseDown(event->buttons(), event->modifiers(), event->position());
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    // The button that went up is still named, as a press names its own.
    emit mouseUp(event->button() | event->buttons(), event->modifiers(), event->position());
    const bool inside = rect().contains(event->position().toPoint());
    if (pressed && event->buttons() == Qt::NoButton) {
        pressed = false;
        if (inside)
            emit clicked();
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMove(event->buttons(), event->modifiers(), event->position());
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A fast second click is one more click, not something else.
    mousePressEvent(event);
}
