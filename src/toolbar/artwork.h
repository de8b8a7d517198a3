#pragma once

#include "toolbar/imagestrip.h"

#include <QString>

// Draws a picture from the SVG source at resource path, logical size w x h,
// at the given device pixel ratio so it stays sharp on HiDPI screens.
QImage renderartwork(const QString &resource, int w, int h, qreal dpr);

// The three strips of the picture buttons.
ImageStrip makepclip1(qreal dpr); // 200 x 40, 2 x 10 cells of 20 x 20: toolbar
ImageStrip makepclip2(qreal dpr); // 108 x 36, 2 x 6 cells of 18 x 18: note buttons
ImageStrip makepclip3(qreal dpr); // 42 x 21, 1 x 2 cells of 21 x 21: search button
