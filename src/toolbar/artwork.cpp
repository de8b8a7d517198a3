#include "toolbar/artwork.h"

#include <QImageReader>
#include <cmath>

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

QImage readpicture(const QString &path, QSize size = QSize())
{
    QImageReader reader(path);
    if (size.isValid())
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
            image = readpicture(QStringLiteral(":/%1@%2x.png").arg(name).arg(scale));
    }
    // Drawing the SVG needs its image plug-in; without it, the sharper
    // ready-drawn picture scaled to size still fits every layout.
    if (image.isNull())
        image = readpicture(QStringLiteral(":/%1.svg").arg(name), pixels);
    if (image.isNull())
        image = readpicture(QStringLiteral(":/%1@2x.png").arg(name))
                    .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    return image;
}

QIcon appicon()
{
    QIcon icon;
    for (int size : {16, 32, 64})
        icon.addFile(QStringLiteral(":/icons/quillbox-%1.png").arg(size), QSize(size, size));
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
