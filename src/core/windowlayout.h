// The main window's geometry rules, in logical pixels: where each widget
// stands for a given outer window size, the smallest and the first size,
// and where docking and centring put a window in a work area.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

// The places are inside the window's client area but computed from its
// outer size, frame included: the numbers below were drawn that way.
struct WindowLayout {
    static constexpr int startWidth = 180;         // outer width at every start
    static constexpr QSize smallestSize{180, 300}; // outer

    QRect titleList;
    QRect countLine;
    QRect noteText;
    QRect searchField;
    QPoint searchButton;
    std::array<QPoint, 6> noteButtons;
    QRect statusLine;

    static WindowLayout forOuterSize(QSize outer);
};

// The frame docked against the left or the right edge of the work area, as
// tall as the work area, its width kept.
QRect dockedLeft(QRect frame, QRect workArea);
QRect dockedRight(QRect frame, QRect workArea);
// The top-left corner that centres a window of outer size in the work area.
QPoint centredIn(QSize size, QRect workArea);
