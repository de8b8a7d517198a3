// The line at the bottom of the window: what a command did, with an offer to
// undo it, the caption of the toolbar button under the pointer, and, above
// all of them, a warning that stays while the notes are not safe.
#pragma once

#include <QLabel>
#include <QPointer>

class QAction;
class QPushButton;

// A warning (changes not saved, notes not read) is shown in place of every
// message until it is lifted: no caption or later message hides it, and no
// command reads as done while it stands. An offer is a button at the line's
// end that runs an action (Undo, Redo); a screen reader finds it as a
// button, and it goes with the message it came with.
class StatusLine : public QLabel
{
    Q_OBJECT

public:
    explicit StatusLine(QWidget *parent);

    void showMessage(const QString &text, QAction *offer = nullptr);
    void setWarning(const QString &text);
    void liftWarning(const QString &message);
    bool hasWarning() const { return !m_warning.isEmpty(); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void refresh();

    QString m_message;
    QString m_warning;
    QPointer<QAction> m_offered;
    QPushButton *m_offer;
};
