// One picture cut into a grid of equal cells, for the picture buttons.
#pragma once

#include <QImage>
#include <QPixmap>

// Cells are numbered row by row from 0: cell k lies in row k / columns and
// column k % columns.
class ImageStrip
{
public:
    ImageStrip() = default;
    // picture at its device pixel ratio; sizes are logical.
    ImageStrip(QImage picture, int rows, int columns);

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    QSize cellSize() const;
    // Exactly the pixels of cell k; a null picture for a k outside the grid.
    QPixmap cell(int k) const;

private:
    QImage m_picture;
    int m_rows = 1;
    int m_columns = 1;
};
