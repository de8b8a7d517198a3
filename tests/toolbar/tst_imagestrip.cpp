#include "toolbar/artwork.h"
#include "toolbar/imagestrip.h"

#include <QColor>
#include <QImageReader>
#include <QSet>
#include <QTest>

namespace
{

QImage argb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The three strips of the program, and a picture whose every pixel tells
// where it lies (red = x, green = y) cut into cells that are not square.
ImageStrip makestrip(int which, qreal dpr)
{
    if (which == 1)
        return makepclip1(dpr);
    if (which == 2)
        return makepclip2(dpr);
    if (which == 3)
        return makepclip3(dpr);
    QImage image(20, 21, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x, y, 7));
    return ImageStrip(image, 3, 4);
}

double meanLightness(const QImage &image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += QColor(image.pixel(x, y)).lightness();
    return sum / (image.width() * image.height());
}

} // namespace

class TestImageStrip : public QObject
{
    Q_OBJECT

private slots:
    void cellsAreCutRowByRow_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<QSize>("cell");
        for (qreal dpr : {1.0, 2.0}) {
            QTest::addRow("toolbar @%gx", dpr) << 1 << dpr << 2 << 10 << QSize(20, 20);
            QTest::addRow("note buttons @%gx", dpr) << 2 << dpr << 2 << 6 << QSize(18, 18);
            QTest::addRow("search @%gx", dpr) << 3 << dpr << 1 << 2 << QSize(21, 21);
        }
        QTest::newRow("3x4 cells of 5x7") << 0 << 1.0 << 3 << 4 << QSize(5, 7);
    }

    void cellsAreCutRowByRow()
    {
        QFETCH(int, which);
        QFETCH(qreal, dpr);
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(QSize, cell);
        const ImageStrip strip = makestrip(which, dpr);
        QCOMPARE(int(strip.rows()), rows);
        QCOMPARE(int(strip.cols()), cols);
        QCOMPARE(strip.cellSize(), cell);
        QCOMPARE(strip.picture().deviceIndependentSize().toSize(),
                 QSize(cols * cell.width(), rows * cell.height()));
        const QImage whole = argb(strip.picture());
        const int w = qRound(cell.width() * dpr);
        const int h = qRound(cell.height() * dpr);
        for (int k = 0; k < rows * cols; ++k) {
            const QImage expected = whole.copy((k % cols) * w, (k / cols) * h, w, h);
            QCOMPARE(argb(strip.cellImage(k)), expected);
            // Shown in a label, a cell takes its logical size.
            const QPixmap pixmap = strip.cell(k);
            QCOMPARE(argb(pixmap.toImage()), expected);
            QCOMPARE(pixmap.devicePixelRatio(), dpr);
            QCOMPARE(pixmap.deviceIndependentSize().toSize(), cell);
        }
        for (int k : {-1, rows * cols, 32767, -32768}) {
            QVERIFY(strip.cellImage(k).isNull());
            QVERIFY(strip.cell(k).isNull());
        }
    }

    void degenerateStrips()
    {
        QVERIFY(ImageStrip().cell(0).isNull());
        QCOMPARE(ImageStrip().cellSize(), QSize(0, 0));
        const ImageStrip strip(QImage(30, 10, QImage::Format_RGB32), 0, -3);
        QCOMPARE(int(strip.rows()), 1);
        QCOMPARE(int(strip.cols()), 1);
        QCOMPARE(strip.cellImage(0).size(), QSize(30, 10));
        QVERIFY(strip.cellImage(1).isNull());
    }

    // The ready-drawn pictures must be what their drawings give now, and any
    // other ratio still gets a sharp picture of the right size.
    void picturesMatchTheirDrawings_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("dpr");
        const QList<std::pair<QString, QSize>> pictures = {{"strips/pclip1", {200, 40}},
                                                           {"strips/pclip2", {108, 36}},
                                                           {"strips/pclip3", {42, 21}},
                                                           {"about/banner", {60, 250}}};
        for (const auto &[name, size] : pictures)
            for (qreal dpr : {1.0, 1.25, 1.5, 2.0, 3.0})
                QTest::addRow("%s @%gx", qPrintable(name), dpr) << name << size << dpr;
    }

    void picturesMatchTheirDrawings()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(qreal, dpr);
        const QImage picture = renderartwork(name, size.width(), size.height(), dpr);
        const QSize pixels = (QSizeF(size) * dpr).toSize();
        QCOMPARE(picture.size(), pixels);
        QCOMPARE(picture.devicePixelRatio(), dpr);
        QImageReader svg(QStringLiteral(":/%1.svg").arg(name));
        svg.setScaledSize(pixels);
        QImage drawn = svg.read();
        QVERIFY2(!drawn.isNull(), qPrintable(svg.errorString()));
        drawn.setDevicePixelRatio(dpr);
        QCOMPARE(argb(picture), argb(drawn));
    }

    // Each used button has a face of its own, and its pressed face, cell
    // k + cols (or the cell beside it in a one-row strip), is darker.
    void facesTellButtonsApart_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("used");
        QTest::addColumn<int>("pressedOffset");
        QTest::newRow("toolbar") << 1 << 7 << 10;
        QTest::newRow("note buttons") << 2 << 6 << 6;
        QTest::newRow("search") << 3 << 1 << 1;
    }

    void facesTellButtonsApart()
    {
        QFETCH(int, which);
        QFETCH(int, used);
        QFETCH(int, pressedOffset);
        const ImageStrip strip = makestrip(which, 1.0);
        QSet<QByteArray> faces;
        for (int k = 0; k < used; ++k) {
            const QImage normal = argb(strip.cellImage(k));
            faces.insert(QByteArray(reinterpret_cast<const char *>(normal.constBits()),
                                    normal.sizeInBytes()));
            QVERIFY(meanLightness(strip.cellImage(k + pressedOffset)) < meanLightness(normal));
        }
        QCOMPARE(faces.size(), used);
    }
};

QTEST_MAIN(TestImageStrip)
#include "tst_imagestrip.moc"
