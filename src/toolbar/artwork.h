#pragma once

#include "toolbar/imagestrip.h"

#include <QIcon>
#include <QString>

// Draws the picture `name` (for example "strips/pclip1") at logical size
// w x h and the given device pixel ratio, so it stays sharp on HiDPI screens.
// Ratios 1 and 2 come ready-drawn; any other ratio draws the SVG.
QImage renderartwork(const QString &name, int w, int h, qreal dpr);

// The program's icon, for its windows.
QIcon appicon();

// The three strips of the picture buttons.
ImageStrip makepclip1(qreal dpr); // 200 x 40, 2 x 10 cells of 20 x 20: toolbar
ImageStrip makepclip2(qreal dpr); // 108 x 36, 2 x 6 cells of 18 x 18: note buttons
ImageStrip makepclip3(qreal dpr); // 42 x 21, 1 x 2 cells of 21 x 21: search button
