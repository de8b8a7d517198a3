// One picture cut into a grid of equal cells, for the picture buttons.
#include "ui/imagestrip.h"

#include <algorithm>

ImageStrip::ImageStrip(QImage picture, int rows, int columns)
    : m_picture(std::move(picture)), m_rows(std::max(rows, 1)), m_columns(std::max(columns, 1))
{
}

QSize ImageStrip::cellSize() const
{
    const QSize logical = m_picture.deviceIndependentSize().toSize();
    return {logical.width() / m_columns, logical.height() / m_rows};
}

QPixmap ImageStrip::cell(int k) const
{
    if (k < 0 || k >= m_rows * m_columns || m_picture.isNull())
        return {};
    const int w = m_picture.width() / m_columns;
    const int h = m_picture.height() / m_rows;
    QImage cell = m_picture.copy((k % m_columns) * w, (k / m_columns) * h, w, h);
    cell.setDevicePixelRatio(m_picture.devicePixelRatio());
    return QPixmap::fromImage(cell);
}
