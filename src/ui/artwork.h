// The program's pictures: the three button strips, the About banner and the
// window icon, drawn for the screen's pixel ratio.
#pragma once

#include "ui/imagestrip.h"

#include <QIcon>

namespace Artwork
{
// 2 rows of 10 cells of 20 x 20: the toolbar.
ImageStrip toolbarStrip(qreal pixelRatio);
// 2 rows of 6 cells of 18 x 18: the note buttons.
ImageStrip noteButtonStrip(qreal pixelRatio);
// 1 row of 2 cells of 21 x 21: the search button, normal and pressed.
ImageStrip searchButtonStrip(qreal pixelRatio);
// 60 x 250.
QPixmap aboutBanner(qreal pixelRatio);
QIcon appIcon();
} // namespace Artwork
