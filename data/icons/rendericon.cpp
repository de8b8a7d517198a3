// Renders the application icon's SVG into a square PNG of the given size, so
// the installed raster icons always match the one drawing in resources/.
//   rendericon <in.svg> <out.png> <size>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QTextStream err(stderr);
    if (argc != 4) {
        err << "usage: rendericon <in.svg> <out.png> <size>\n";
        return 2;
    }
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[3]).toInt(&ok);
    if (!ok || size < 1 || size > 1024) {
        err << "rendericon: bad size " << argv[3] << '\n';
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        err << "rendericon: cannot read " << argv[1] << '\n';
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        err << "rendericon: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
