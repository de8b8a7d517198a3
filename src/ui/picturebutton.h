// A picture that works as a button for its action: pressed and normal
// pictures, a click that triggers the action, and a signal while hovered.
#pragma once

#include <QLabel>
#include <QPixmap>

class QAction;

// The action's text is the button's tooltip and accessible name. A click is
// a press released over the button with no mouse button left down; any
// mouse button presses it, and a fast second click is one more click.
class PictureButton : public QLabel
{
    Q_OBJECT

public:
    PictureButton(QAction *action, QWidget *parent);

    QAction *action() const { return m_action; }
    // Shown at their own size; pressed while a mouse button is held down.
    void setPictures(const QPixmap &normal, const QPixmap &pressed);

signals:
    void hovered();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void showPicture(const QPixmap &picture);

    QAction *m_action;
    QPixmap m_normal;
    QPixmap m_pressed;
    bool m_isDown = false;
};
