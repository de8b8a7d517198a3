#include "toolbar/imagestrip.h"

ImageStrip::ImageStrip(QImage picture, qint16 rows, qint16 cols)
    : image(std::move(picture)), nrows(rows < 1 ? qint16(1) : rows),
      ncols(cols < 1 ? qint16(1) : cols)
{
}

QSize ImageStrip::cellSize() const
{
    const QSize logical = image.deviceIndependentSize().toSize();
    return {logical.width() / ncols, logical.height() / nrows};
}

QImage ImageStrip::cellImage(int k) const
{
    if (k < 0 || k >= nrows * ncols || image.isNull())
        return {};
    const int w = image.width() / ncols;
    const int h = image.height() / nrows;
    QImage cell = image.copy((k % ncols) * w, (k / ncols) * h, w, h);
    cell.setDevicePixelRatio(image.devicePixelRatio());
    return cell;
}

QPixmap ImageStrip::cell(int k) const
{
    return QPixmap::fromImage(cellImage(k));
}
