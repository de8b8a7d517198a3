#include "toolbar/artwork.h"
#include "toolbar/imagestrip.h"

#include <QColor>
#include <QSet>
#include <QTest>

namespace
{

QImage argb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

ImageStrip makestrip(int which, qreal dpr)
{
    switch (which) {
    case 1:
        return makepclip1(dpr);
    case 2:
        return makepclip2(dpr);
    default:
        return makepclip3(dpr);
    }
}

// A picture whose every pixel tells where it lies: red = x, green = y.
QImage positionPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, y, 7));
    return image;
}

int lightness(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y)).lightness();
}

double meanLightness(const QImage &image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += lightness(image, x, y);
    return sum / (image.width() * image.height());
}

} // namespace

// The strips the picture buttons take their pictures from: how cells are cut
// and numbered, and what the artwork looks like in them.
class TestImageStrip : public QObject
{
    Q_OBJECT

private slots:
    void cellsAreNumberedRowByRow_data();
    void cellsAreNumberedRowByRow();
    void stripsHaveTheirSizes_data();
    void stripsHaveTheirSizes();
    void cellsHoldExactlyTheirPixels_data();
    void cellsHoldExactlyTheirPixels();
    void cellsOutsideTheGridAreNull_data();
    void cellsOutsideTheGridAreNull();
    void emptyStripGivesNothing();
    void gridIsAtLeastOneByOne();
    void normalFacesAreRaisedAndPressedSunken_data();
    void normalFacesAreRaisedAndPressedSunken();
    void glyphsTellTheButtonsApart();
};

void TestImageStrip::cellsAreNumberedRowByRow_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("cellWidth");
    QTest::addColumn<int>("cellHeight");
    QTest::newRow("2x10 of 20") << 2 << 10 << 20 << 20;
    QTest::newRow("2x6 of 18") << 2 << 6 << 18 << 18;
    QTest::newRow("1x2 of 21") << 1 << 2 << 21 << 21;
    QTest::newRow("3x4 of 5x7") << 3 << 4 << 5 << 7;
}

void TestImageStrip::cellsAreNumberedRowByRow()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(int, cellWidth);
    QFETCH(int, cellHeight);
    const ImageStrip strip(positionPicture(cols * cellWidth, rows * cellHeight), qint16(rows),
                           qint16(cols));
    for (int k = 0; k < rows * cols; ++k) {
        const QImage cell = strip.cellImage(k);
        QCOMPARE(cell.size(), QSize(cellWidth, cellHeight));
        const int left = (k % cols) * cellWidth;
        const int top = (k / cols) * cellHeight;
        // Corners of the cell name where in the picture they came from.
        QCOMPARE(cell.pixel(0, 0), qRgb(left, top, 7));
        QCOMPARE(cell.pixel(cellWidth - 1, cellHeight - 1),
                 qRgb(left + cellWidth - 1, top + cellHeight - 1, 7));
    }
}

void TestImageStrip::stripsHaveTheirSizes_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("cell");
    for (qreal dpr : {1.0, 2.0}) {
        const QByteArray at = dpr == 1.0 ? " @1x" : " @2x";
        QTest::newRow("pclip1" + at) << 1 << dpr << 2 << 10 << QSize(200, 40) << QSize(20, 20);
        QTest::newRow("pclip2" + at) << 2 << dpr << 2 << 6 << QSize(108, 36) << QSize(18, 18);
        QTest::newRow("pclip3" + at) << 3 << dpr << 1 << 2 << QSize(42, 21) << QSize(21, 21);
    }
}

void TestImageStrip::stripsHaveTheirSizes()
{
    QFETCH(int, which);
    QFETCH(qreal, dpr);
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(QSize, picture);
    QFETCH(QSize, cell);
    const ImageStrip strip = makestrip(which, dpr);
    QCOMPARE(int(strip.rows()), rows);
    QCOMPARE(int(strip.cols()), cols);
    QCOMPARE(strip.picture().size(), picture * dpr);
    QCOMPARE(strip.picture().deviceIndependentSize().toSize(), picture);
    QCOMPARE(strip.cellSize(), cell);
    for (int k = 0; k < rows * cols; ++k) {
        // Shown at its own size in a label, a cell takes its logical size.
        const QPixmap pixmap = strip.cell(k);
        QCOMPARE(pixmap.size(), cell * dpr);
        QCOMPARE(pixmap.devicePixelRatio(), dpr);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), cell);
    }
}

void TestImageStrip::cellsHoldExactlyTheirPixels_data()
{
    stripsHaveTheirSizes_data();
}

void TestImageStrip::cellsHoldExactlyTheirPixels()
{
    QFETCH(int, which);
    QFETCH(qreal, dpr);
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(QSize, cell);
    const ImageStrip strip = makestrip(which, dpr);
    const QImage whole = argb(strip.picture());
    const int w = qRound(cell.width() * dpr);
    const int h = qRound(cell.height() * dpr);
    for (int k = 0; k < rows * cols; ++k) {
        const QImage expected = whole.copy((k % cols) * w, (k / cols) * h, w, h);
        QCOMPARE(argb(strip.cellImage(k)), expected);
        QCOMPARE(argb(strip.cell(k).toImage()), expected);
    }
    // The pressed picture of normal cell k is cell k + cols: the cell under
    // it, or for a single-row strip the cell beside it.
    const int pressed = rows > 1 ? cols : 1;
    QCOMPARE(argb(strip.cellImage(pressed)), whole.copy(rows > 1 ? 0 : w, rows > 1 ? h : 0, w, h));
}

void TestImageStrip::cellsOutsideTheGridAreNull_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("k");
    QTest::newRow("pclip1 -1") << 1 << -1;
    QTest::newRow("pclip1 20") << 1 << 20;
    QTest::newRow("pclip2 12") << 2 << 12;
    QTest::newRow("pclip2 -32768") << 2 << -32768;
    QTest::newRow("pclip3 2") << 3 << 2;
    QTest::newRow("pclip3 32767") << 3 << 32767;
}

void TestImageStrip::cellsOutsideTheGridAreNull()
{
    QFETCH(int, which);
    QFETCH(int, k);
    const ImageStrip strip = makestrip(which, 1.0);
    QVERIFY(strip.cell(k).isNull());
    QVERIFY(strip.cellImage(k).isNull());
}

void TestImageStrip::emptyStripGivesNothing()
{
    const ImageStrip strip;
    QVERIFY(strip.cell(0).isNull());
    QCOMPARE(strip.cellSize(), QSize(0, 0));
}

void TestImageStrip::gridIsAtLeastOneByOne()
{
    const ImageStrip strip(positionPicture(30, 10), 0, -3);
    QCOMPARE(int(strip.rows()), 1);
    QCOMPARE(int(strip.cols()), 1);
    QCOMPARE(strip.cellImage(0).size(), QSize(30, 10));
    QVERIFY(strip.cellImage(1).isNull());
}

void TestImageStrip::normalFacesAreRaisedAndPressedSunken_data()
{
    stripsHaveTheirSizes_data();
}

void TestImageStrip::normalFacesAreRaisedAndPressedSunken()
{
    QFETCH(int, which);
    QFETCH(qreal, dpr);
    QFETCH(int, rows);
    QFETCH(int, cols);
    const ImageStrip strip = makestrip(which, dpr);
    const int normals = rows > 1 ? cols : 1;
    for (int k = 0; k < normals; ++k) {
        const QImage normal = strip.cellImage(k);
        const QImage pressed = strip.cellImage(k + (rows > 1 ? cols : 1));
        const int right = normal.width() - 1;
        const int bottom = normal.height() - 1;
        const int mid = normal.width() / 2;
        // Raised: light upper and left edge, dark lower and right edge.
        QVERIFY(lightness(normal, mid, 0) > lightness(normal, mid, bottom));
        QVERIFY(lightness(normal, 0, mid) > lightness(normal, right, mid));
        // Sunken: the other way round, and darker as a whole.
        QVERIFY(lightness(pressed, mid, 0) < lightness(pressed, mid, bottom));
        QVERIFY(lightness(pressed, 0, mid) < lightness(pressed, right, mid));
        QVERIFY(meanLightness(pressed) < meanLightness(normal));
    }
}

void TestImageStrip::glyphsTellTheButtonsApart()
{
    // Every button that is used shows its own picture; the unused cells of
    // the toolbar strip are plain, identical faces.
    const ImageStrip toolbar = makepclip1(1.0);
    const ImageStrip notes = makepclip2(1.0);
    QSet<QByteArray> seen;
    auto bytes = [](const QImage &image) {
        const QImage a = argb(image);
        return QByteArray(reinterpret_cast<const char *>(a.constBits()), a.sizeInBytes());
    };
    for (int k = 0; k < 7; ++k)
        seen.insert(bytes(toolbar.cellImage(k)));
    seen.insert(bytes(toolbar.cellImage(7)));
    QCOMPARE(seen.size(), 8);
    QCOMPARE(argb(toolbar.cellImage(8)), argb(toolbar.cellImage(7)));
    QCOMPARE(argb(toolbar.cellImage(9)), argb(toolbar.cellImage(7)));
    QCOMPARE(argb(toolbar.cellImage(19)), argb(toolbar.cellImage(17)));
    QSet<QByteArray> noteFaces;
    for (int k = 0; k < 6; ++k)
        noteFaces.insert(bytes(notes.cellImage(k)));
    QCOMPARE(noteFaces.size(), 6);
}

QTEST_MAIN(TestImageStrip)
#include "tst_imagestrip.moc"
