// The main window's geometry rules, in logical pixels.
#include "core/windowlayout.h"

namespace
{
// Widgets that keep their place and size whatever the window's size.
constexpr int leftEdge = 5;
constexpr int listTop = 55;
constexpr int searchTop = 30;
constexpr int searchHeight = 21;
constexpr int countLineSize[] = {166, 16};
constexpr int noteTextHeight = 104;
constexpr int statusHeight = 20;
constexpr int noteButtonPitch = 18;
} // namespace

WindowLayout WindowLayout::forOuterSize(QSize outer)
{
    const int w = outer.width();
    const int h = outer.height();
    WindowLayout layout;
    // The text box keeps its height and sinks as the window grows; the list
    // fills what is left above the count line, which sits right under it.
    const int noteTextTop = h - 172;
    layout.noteText = QRect(leftEdge, noteTextTop, w - 18, noteTextHeight);
    layout.countLine = QRect(leftEdge, noteTextTop - 20, countLineSize[0], countLineSize[1]);
    layout.titleList = QRect(leftEdge, listTop, w - 18, noteTextTop - 75);
    layout.searchField = QRect(leftEdge, searchTop, w - 40, searchHeight);
    layout.searchButton = QPoint(w - 35, searchTop);
    for (int i = 0; i < int(layout.noteButtons.size()); ++i)
        layout.noteButtons[std::size_t(i)] = QPoint(w - 122 + noteButtonPitch * i, h - 68);
    layout.statusLine = QRect(leftEdge, h - 48, w - 18, statusHeight);
    return layout;
}

QRect dockedLeft(QRect frame, QRect workArea)
{
    return {workArea.topLeft(), QSize(frame.width(), workArea.height())};
}

QRect dockedRight(QRect frame, QRect workArea)
{
    return {QPoint(workArea.x() + workArea.width() - frame.width(), workArea.y()),
            QSize(frame.width(), workArea.height())};
}

QPoint centredIn(QSize size, QRect workArea)
{
    // Halves are cut towards zero.
    return workArea.topLeft() + QPoint(int((workArea.width() - size.width()) / 2.0),
                                       int((workArea.height() - size.height()) / 2.0));
}
