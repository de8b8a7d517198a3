// Figures, not a timed test: a note of one long line (minified data, base64)
// in the note's text box, at the main window's size: the time to show it, to
// handle a keystroke in it (the median of five) and to leave it for another
// note, against a plain text box with Qt's word wrap (one keystroke: each
// takes seconds).
//   bench_longline   (runs on Qt's offscreen platform)
#include "ui/notetextbox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{

struct Figures {
    double show;
    double keystroke;
    double leave;
};

// Milliseconds until the box has done what act asks and drawn it.
double timed(QPlainTextEdit &box, const std::function<void()> &act)
{
    QElapsedTimer timer;
    timer.start();
    act();
    box.repaint();
    QApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

Figures measure(QPlainTextEdit &box, const std::function<void(const QString &)> &show,
                const QString &line, int keystrokes)
{
    box.resize(162, 104);
    box.show();
    if (!QTest::qWaitForWindowExposed(&box))
        return {-1, -1, -1};
    Figures figures{};
    figures.show = timed(box, [&] { show(line); });
    box.moveCursor(QTextCursor::End);
    std::vector<double> keys;
    for (int i = 0; i < keystrokes; ++i)
        keys.push_back(timed(box, [&] { QTest::keyClick(&box, Qt::Key_A); }));
    std::nth_element(keys.begin(), keys.begin() + keystrokes / 2, keys.end());
    figures.keystroke = keys[std::size_t(keystrokes / 2)];
    figures.leave = timed(box, [&] { show(QStringLiteral("another note")); });
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    NoteTextBox::keepLayoutMemory();
    QApplication app(argc, argv);
    std::printf("bench_longline: one line without a blank, in ms\n%-10s %10s %10s %10s %18s %18s\n",
                "length", "show", "keystroke", "leave", "word wrap: show", "word wrap: key");
    for (const int kilobytes : {100, 300, 1024}) {
        QString line;
        while (line.size() < kilobytes * 1024)
            line += QStringLiteral("eyJrZXkiOiJ2YWx1ZSIsIm4iOjEyMzQ1fQ");
        line.truncate(kilobytes * 1024);
        NoteTextBox box;
        const Figures ours = measure(
            box, [&](const QString &text) { box.setNoteText(text); }, line, 5);
        // The word wrap takes minutes past 100 KB.
        Figures plain{0, 0, 0};
        if (kilobytes <= 100) {
            QPlainTextEdit wordWrap;
            plain = measure(
                wordWrap, [&](const QString &text) { wordWrap.setPlainText(text); }, line, 1);
        }
        std::printf("%7d KB %10.0f %10.0f %10.0f %18.0f %18.0f\n", kilobytes, ours.show,
                    ours.keystroke, ours.leave, plain.show, plain.keystroke);
    }
    return 0;
}
