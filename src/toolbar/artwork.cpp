#include "toolbar/artwork.h"

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

// The pictures are compiled into the widgets library, a static library: the
// linker keeps its resource table only when something names it, so name it
// here, where every picture is drawn, and register it before any window asks
// for its icon.
static bool registerartwork()
{
    Q_INIT_RESOURCE(resources);
    return true;
}

namespace
{
[[maybe_unused]] const bool artworkRegistered = registerartwork();
} // namespace

QImage renderartwork(const QString &resource, int w, int h, qreal dpr)
{
    const int pw = static_cast<int>(std::lround(w * dpr));
    const int ph = static_cast<int>(std::lround(h * dpr));
    QImage image(pw, ph, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, pw, ph));
    painter.end();
    image.setDevicePixelRatio(dpr);
    return image;
}

ImageStrip makepclip1(qreal dpr)
{
    return {renderartwork(QStringLiteral(":/strips/pclip1.svg"), 200, 40, dpr), 2, 10};
}

ImageStrip makepclip2(qreal dpr)
{
    return {renderartwork(QStringLiteral(":/strips/pclip2.svg"), 108, 36, dpr), 2, 6};
}

ImageStrip makepclip3(qreal dpr)
{
    return {renderartwork(QStringLiteral(":/strips/pclip3.svg"), 42, 21, dpr), 1, 2};
}
