#pragma once

#include <QLabel>

// A picture that acts as a button: it reports press, release and move with
// the mouse buttons, modifiers and position, and a click when a press is
// released over it. It shows its picture at the picture's own size.
class PictureButton : public QLabel
{
    Q_OBJECT

public:
    explicit PictureButton(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);

signals:
    void mouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF pos);
    void mouseUp(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF pos);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF pos);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool pressed = false;
};
