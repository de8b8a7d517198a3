#include "toolbar/artwork.h"

#include <QImageReader>
#include <QResource>
#include <cmath>
#include <cstring>

// The pictures are compiled into the widgets library, a static library: the
// linker keeps its resource tables only when something names them, so name
// them here, where every picture is drawn, and register them before any
// window asks for its icon.
static bool registerartwork()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(art);
    return true;
}

namespace
{
[[maybe_unused]] const bool artworkRegistered = registerartwork();

// A picture drawn at build time: its bare pixels, of a known size.
QImage readpixels(const QString &path, QSize size)
{
    const QByteArray bytes = QResource(path).uncompressedData();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || bytes.size() != image.sizeInBytes())
        return {};
    std::memcpy(image.bits(), bytes.constData(), size_t(bytes.size()));
    return image;
}

QImage readsvg(const QString &path, QSize size)
{
    QImageReader reader(path);
    reader.setScaledSize(size);
    return reader.read();
}
} // namespace

QImage renderartwork(const QString &name, int w, int h, qreal dpr)
{
    const QSize pixels(static_cast<int>(std::lround(w * dpr)),
                       static_cast<int>(std::lround(h * dpr)));
    QImage image;
    for (int scale : {1, 2}) {
        if (pixels == QSize(w * scale, h * scale))
            image = readpixels(QStringLiteral(":/%1@%2x.argb").arg(name).arg(scale), pixels);
    }
    // Drawing the SVG needs its image plug-in; without it, the sharper
    // ready-drawn picture scaled to size still fits every layout.
    if (image.isNull())
        image = readsvg(QStringLiteral(":/%1.svg").arg(name), pixels);
    if (image.isNull())
        image = readpixels(QStringLiteral(":/%1@2x.argb").arg(name), QSize(2 * w, 2 * h))
                    .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    return image;
}

QIcon appicon()
{
    // From pixmaps, not files: a file name would have Qt look through its
    // icon and image plug-ins for one that reads it.
    QIcon icon;
    for (int size : {16, 32, 64})
        icon.addPixmap(QPixmap::fromImage(
            readpixels(QStringLiteral(":/icons/quillbox-%1.argb").arg(size), QSize(size, size))));
    return icon;
}

ImageStrip makepclip1(qreal dpr)
{
    return {renderartwork(QStringLiteral("strips/pclip1"), 200, 40, dpr), 2, 10};
}

ImageStrip makepclip2(qreal dpr)
{
    return {renderartwork(QStringLiteral("strips/pclip2"), 108, 36, dpr), 2, 6};
}

ImageStrip makepclip3(qreal dpr)
{
    return {renderartwork(QStringLiteral("strips/pclip3"), 42, 21, dpr), 1, 2};
}
