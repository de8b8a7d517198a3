// A window's frame, decorations included: waiting for the window manager to
// tell it, and sizing and placing a window by it. Every outer size and
// corner of the program's windows goes through here.
#pragma once

#include <functional>

class QPoint;
class QSize;
class QWidget;

// Runs action once the window manager has framed window: outer sizes are
// only known then. The frame arrives as a property of the window, which may
// come after the window's first move and resize events, so the frame is
// looked for a few times a second until it shows (for at most two seconds).
void whenFramed(QWidget *window, std::function<void()> action);

// Moves window so that its frame's top-left corner stands at corner, to the
// device pixel: moving the client by the frame's rounded logical border
// would leave a pixel free at the edge at pixel ratios other than 1.
void placeFrame(QWidget *window, const QPoint &corner);

// Resizes window so that its frame is size: the frame's own share comes off
// the client (none while the window is not framed yet).
void setOuterSize(QWidget *window, const QSize &size);

// At a pixel ratio other than 1 the frame's logical size is rounded, up for
// a border of an odd number of device pixels: a frame docked against an edge
// reaches this much further so that it touches it instead of stopping short.
int frameRoundingSlack(const QWidget *window);
