#pragma once

#include "app/platform.h"

#include <QList>
#include <QQueue>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

class QMenu;
class QWidget;

// A platform for tests: message and input boxes are answered from queues
// and every box, clipboard use, menu and ending is recorded. Window geometry
// is the widget's own frame geometry; the work area and
// the window state can be scripted.
class ScriptedPlatform : public Platform
{
public:
    struct MessageBoxCall {
        QString prompt;
        Buttons buttons;
        Icon icon;
        QString title;
    };
    struct InputBoxCall {
        QString prompt;
        QString title;
        QString preset;
    };

    // Answers, taken in order; an empty queue answers Cancel / the empty text.
    QQueue<Answer> messageAnswers;
    QQueue<QString> inputAnswers;
    // Runs while a box is "open", before it answers (to check what is shown).
    std::function<void()> whileBoxOpen;

    QList<MessageBoxCall> messageBoxes;
    QList<InputBoxCall> inputBoxes;
    QList<QMenu *> poppedMenus;
    int endCount = 0;

    QString clipboard;
    bool clipboardHasText = true;
    int clipboardReads = 0;

    QSize scriptedWorkArea{15360, 11520}; // 1024 x 768 pixels
    QPoint scriptedScreenOrigin{0, 0};    // a second screen lies elsewhere
    std::optional<WindowState> scriptedState;

    Answer messageBox(QWidget *parent, const QString &prompt, Buttons buttons, Icon icon,
                      const QString &title) override;
    QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                     const QString &preset) override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() override;
    QSize workArea(const QWidget *window) override;
    QPoint screenOrigin(const QWidget *window) override;
    WindowState windowState(const QWidget *window) override;
    QRect windowGeometry(const QWidget *window) override;
    void moveWindow(QWidget *window, int left, int top) override;
    void resizeWindow(QWidget *window, int width, int height) override;
    void setWindowEnabled(QWidget *window, bool enabled) override;
    void setWindowVisible(QWidget *window, bool visible) override;
    void popupMenu(QMenu *menu) override;
    void endProcess() override;
};
