// A picture that works as a button for its action: pressed and normal
// pictures, a click that triggers the action, and a signal while hovered.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

class QAction;

// The action's text is the button's tooltip and accessible name, and its
// shortcut the accessible description. A click is a press released over
// the button with no mouse button left down; any mouse button presses it,
// and a fast second click is one more click. It takes no keyboard focus
// (the shortcuts are the keyboard's way), yet a screen reader sees a button
// whose press action runs the command.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    PictureButton(QAction *action, QWidget *parent);

    QAction *action() const { return m_action; }
    // Shown at their own size; pressed while a mouse button is held down.
    void setPictures(const QPixmap &normal, const QPixmap &pressed);
    QPixmap picture() const { return m_isDown ? m_pressed : m_normal; }

signals:
    void hovered();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void showDown(bool down);

    QAction *m_action;
    QPixmap m_normal;
    QPixmap m_pressed;
    bool m_isDown = false; // shows the pressed picture
    bool m_isHeld = false; // pressed, and not yet released with no button down
};
