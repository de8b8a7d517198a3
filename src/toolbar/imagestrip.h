#pragma once

#include <QImage>
#include <QPixmap>

// One picture cut into a grid of equal cells, numbered row by row from 0:
// cell k lies in row k / cols and column k % cols.
class ImageStrip
{
public:
    ImageStrip() = default;
    // picture is at the given device pixel ratio; cell sizes are logical.
    ImageStrip(QImage picture, qint16 rows, qint16 cols);

    qint16 rows() const { return nrows; }
    qint16 cols() const { return ncols; }
    QSize cellSize() const; // logical pixels
    QImage picture() const { return image; }

    // A new picture holding exactly the pixels of cell k; a null picture for
    // a k outside the grid.
    QPixmap cell(int k) const;
    QImage cellImage(int k) const;

private:
    QImage image;
    qint16 nrows = 1;
    qint16 ncols = 1;
};
