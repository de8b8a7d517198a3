// A desktop for tests: boxes answered from a script, and every box and
// clipboard use recorded.
#pragma once

#include "core/desktop.h"

#include <QList>
#include <QStringList>
#include <functional>

class FakeDesktop : public Desktop
{
public:
    QList<Answer> answers;           // taken in order; none left answers Cancel
    QStringList typedTexts;          // taken in order; none left is a cancel
    std::function<void()> whileOpen; // runs while a box is open
    QList<Message> messages;
    QStringList asked; // "title|prompt|preset" of each input box
    QString clipboard;
    QRect area{0, 30, 1024, 738}; // a 30-pixel panel along the top
    QString placementProblem;     // none: the window may be placed

    Answer showMessage(const Message &message) override
    {
        messages.append(message);
        if (whileOpen)
            whileOpen();
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    QString askText(const QString &title, const QString &prompt, const QString &preset) override
    {
        asked.append(title + u'|' + prompt + u'|' + preset);
        if (whileOpen)
            whileOpen();
        return typedTexts.isEmpty() ? QString() : typedTexts.takeFirst();
    }
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString &text) override { clipboard = text; }
    QRect workArea() override { return area; }
    QString windowPlacementProblem() override { return placementProblem; }
};
