// The program's pictures: the three button strips, the About banner and the
// window icon, drawn for the screen's pixel ratio.
#include "ui/artwork.h"

#include <QImageReader>
#include <QResource>
#include <cmath>
#include <cstring>

// The pictures are compiled into the widgets library, a static library: the
// linker keeps its resource tables only when something names them, so name
// them here, where every picture is drawn, and register them before any
// window asks for its icon.
static bool registerArtwork()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(art);
    return true;
}

namespace
{
[[maybe_unused]] const bool artworkRegistered = registerArtwork();

// A picture drawn at build time: its bare pixels, of a known size.
QImage readPixels(const QString &path, QSize size)
{
    const QByteArray bytes = QResource(path).uncompressedData();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || bytes.size() != image.sizeInBytes())
        return {};
    std::memcpy(image.bits(), bytes.constData(), size_t(bytes.size()));
    return image;
}

QImage readSvg(const QString &path, QSize size)
{
    QImageReader reader(path);
    reader.setScaledSize(size);
    return reader.read();
}

// Ratios 1 and 2 come ready-drawn; any other ratio draws the SVG.
QImage draw(const QString &name, int w, int h, qreal dpr)
{
    const QSize pixels(int(std::lround(w * dpr)), int(std::lround(h * dpr)));
    QImage image;
    for (int scale : {1, 2}) {
        if (pixels == QSize(w * scale, h * scale))
            image = readPixels(QStringLiteral(":/%1@%2x.argb").arg(name).arg(scale), pixels);
    }
    // Drawing the SVG needs its image plug-in; without it, the sharper
    // ready-drawn picture scaled to size still fits every layout.
    if (image.isNull())
        image = readSvg(QStringLiteral(":/%1.svg").arg(name), pixels);
    if (image.isNull())
        image = readPixels(QStringLiteral(":/%1@2x.argb").arg(name), QSize(2 * w, 2 * h))
                    .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    return image;
}

} // namespace

QIcon Artwork::appIcon()
{
    // From pixmaps, not files: a file name would have Qt look through its
    // icon and image plug-ins for one that reads it.
    QIcon icon;
    for (int size : {16, 32, 64})
        icon.addPixmap(QPixmap::fromImage(
            readPixels(QStringLiteral(":/icons/quillbox-%1.argb").arg(size), QSize(size, size))));
    return icon;
}

ImageStrip Artwork::toolbarStrip(qreal pixelRatio)
{
    return {draw(QStringLiteral("strips/pclip1"), 200, 40, pixelRatio), 2, 10};
}

ImageStrip Artwork::noteButtonStrip(qreal pixelRatio)
{
    return {draw(QStringLiteral("strips/pclip2"), 108, 36, pixelRatio), 2, 6};
}

ImageStrip Artwork::searchButtonStrip(qreal pixelRatio)
{
    return {draw(QStringLiteral("strips/pclip3"), 42, 21, pixelRatio), 1, 2};
}

QPixmap Artwork::aboutBanner(qreal pixelRatio)
{
    return QPixmap::fromImage(draw(QStringLiteral("about/banner"), 60, 250, pixelRatio));
}
