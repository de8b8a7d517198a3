// A window's frame: waiting for the window manager to tell it, and placing
// a window by it.
#pragma once

#include <functional>

class QPoint;
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
