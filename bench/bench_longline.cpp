// Figures, not a timed test: a note of one long line (minified data, base64)
// in the note's text box, at the main window's size: the time to show it and
// to handle a keystroke in it, against a plain text box with Qt's word wrap.
//   bench_longline   (runs on Qt's offscreen platform)
#include "ui/notetextbox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <cstdio>
#include <functional>

namespace
{

struct Figures {
    double show;
    double keystroke;
};

Figures measure(QPlainTextEdit &box, const std::function<void()> &show)
{
    box.resize(162, 104);
    box.show();
    if (!QTest::qWaitForWindowExposed(&box))
        return {-1, -1};
    QElapsedTimer timer;
    timer.start();
    show();
    box.repaint();
    QApplication::processEvents();
    const double shown = double(timer.nsecsElapsed()) / 1e6;
    box.moveCursor(QTextCursor::End);
    timer.restart();
    QTest::keyClick(&box, Qt::Key_A);
    box.repaint();
    QApplication::processEvents();
    return {shown, double(timer.nsecsElapsed()) / 1e6};
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    NoteTextBox::keepLayoutMemory();
    QApplication app(argc, argv);
    std::printf("bench_longline: one line without a blank\n%-10s %16s %16s %18s %18s\n", "length",
                "show ms", "keystroke ms", "word wrap: show", "word wrap: key");
    for (const int kilobytes : {100, 300, 1024}) {
        QString line;
        while (line.size() < kilobytes * 1024)
            line += QStringLiteral("eyJrZXkiOiJ2YWx1ZSIsIm4iOjEyMzQ1fQ");
        line.truncate(kilobytes * 1024);
        NoteTextBox box;
        const Figures ours = measure(box, [&] { box.setNoteText(line); });
        // The word wrap takes minutes past 100 KB.
        Figures plain{0, 0};
        if (kilobytes <= 100) {
            QPlainTextEdit wordWrap;
            plain = measure(wordWrap, [&] { wordWrap.setPlainText(line); });
        }
        std::printf("%7d KB %16.0f %16.0f %18.0f %18.0f\n", kilobytes, ours.show, ours.keystroke,
                    plain.show, plain.keystroke);
    }
    return 0;
}
