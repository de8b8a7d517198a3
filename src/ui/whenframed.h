// Waiting for the window manager's frame, which tells a window's outer size.
#pragma once

#include <functional>

class QWidget;

// Runs action once the window manager has framed window: outer sizes are
// only known then. The frame arrives as a property of the window, which may
// come after the window's first move and resize events, so the frame is
// looked for a few times a second until it shows (for at most two seconds).
void whenFramed(QWidget *window, std::function<void()> action);
