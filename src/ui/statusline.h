// The line at the bottom of the window: what a command did, the caption of
// the toolbar button under the pointer, and, above both, a warning that
// stays while the notes are not safe.
#pragma once

#include <QLabel>

// A warning (changes not saved, notes not read) is shown in place of every
// message until it is lifted: no caption or later message hides it, and no
// command reads as done while it stands.
class StatusLine : public QLabel
{
    Q_OBJECT

public:
    explicit StatusLine(QWidget *parent);

    void showMessage(const QString &text);
    void setWarning(const QString &text);
    void liftWarning(const QString &message);
    bool hasWarning() const { return !m_warning.isEmpty(); }

private:
    void refresh();

    QString m_message;
    QString m_warning;
};
