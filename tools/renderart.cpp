// Draws one of the program's SVG pictures at build time, so the installed
// icons and the pictures compiled into the program always match the drawings
// in resources/ and the program need not parse SVG to start.
//   renderart <in.svg> <out.png|out.argb> <width> [<height>]
// An .argb file holds the bare premultiplied ARGB32 pixels, row after row:
// the program copies them into an image without any decoder.

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace
{

int pixels(const char *text, bool &ok)
{
    const int n = QString::fromLocal8Bit(text).toInt(&ok);
    ok = ok && n >= 1 && n <= 2048;
    return n;
}

} // namespace

int main(int argc, char *argv[])
{
    QTextStream err(stderr);
    if (argc != 4 && argc != 5) {
        err << "usage: renderart <in.svg> <out.png|out.argb> <width> [<height>]\n";
        return 2;
    }
    bool ok = false;
    const int width = pixels(argv[3], ok);
    bool okHeight = true;
    const int height = argc == 5 ? pixels(argv[4], okHeight) : width;
    if (!ok || !okHeight) {
        err << "renderart: bad size\n";
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        err << "renderart: cannot read " << argv[1] << '\n';
        return 1;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        svg.render(&painter, QRectF(0, 0, width, height));
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    bool written = false;
    if (out.endsWith(QLatin1String(".argb"))) {
        QFile file(out);
        written = file.open(QIODevice::WriteOnly) &&
                  file.write(reinterpret_cast<const char *>(image.constBits()),
                             image.sizeInBytes()) == image.sizeInBytes();
    } else {
        written = image.save(out, "PNG");
    }
    if (!written) {
        err << "renderart: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
