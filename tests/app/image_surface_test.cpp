// The table's pixels: each drawing primitive on the real image surface.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QVector>
#include <QtTest>
#include <memory>

#include "app/image_surface.h"
#include "app/view_widget.h"
#include "fakes/fake_platform.h"
#include "game/sol_view.h"

namespace {
const QRgb kNavy = qRgb(0, 0, 128);
const QRgb kNavyInverse = qRgb(255, 255, 127);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kMagenta = qRgb(255, 0, 255);
const QSize kClient(632, 407);

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xff000000;
}

QImage Bitmap(int id) {
    return QImage(QStringLiteral(":/bitmaps/%1.png").arg(id)).convertToFormat(QImage::Format_RGB32);
}

// Counts the pixels of `rect` that differ from `colour`.
int PixelsOtherThan(const QImage& image, const QRect& rect, QRgb colour) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            count += Pixel(image, x, y) != colour;
        }
    }
    return count;
}
}  // namespace

class ImageSurfaceTest : public QObject {
    Q_OBJECT

  private:
    // A game on the image surface, the rest of its platform faked.
    struct Table {
        QVector<QRect> changed;
        ImageSurface surface{[this](const QRect& rect) { changed.push_back(rect); }};
        CSolDoc doc;
        FakeWindow window;
        ScriptedDialogs dialogs;
        MemoryProfile profile;
        CSolView view{doc, Platform{surface, window, dialogs, profile}};

        explicit Table(QRgb fill = kNavy) {
            surface.Reset(kClient, QColor(fill));
            changed.clear();
        }
        const QImage& Image() const { return surface.Image(); }
    };

  private slots:
    void cardCopyTouchesOnlyTheBitmapPixels() {
        Table table;
        table.view.DrawCard(1, 4, 110, 80, 100, false);

        const QImage card = Bitmap(1);
        QVERIFY(!card.isNull());
        QCOMPARE(table.Image().copy(4, 110, 71, 96), card);
        // The 9 pixels to the right and the 4 rows below keep the table.
        QCOMPARE(PixelsOtherThan(table.Image(), QRect(75, 110, 9, 100), kNavy), 0);
        QCOMPARE(PixelsOtherThan(table.Image(), QRect(4, 206, 80, 4), kNavy), 0);
        QCOMPARE(table.changed, QVector<QRect>{QRect(4, 110, 71, 96)});
    }

    void invertingTheSelectionTwiceRestoresTheCard() {
        Table table;
        table.view.DrawCard(14, 82, 110, 80, 100, false);
        const QImage before = table.Image();

        table.view.DrawCard(kSelectionMark, 82, 110, 75, 95, true);
        const QImage inverted = table.Image();
        QCOMPARE(Pixel(inverted, 82, 110), Pixel(before, 82, 110) ^ 0x00ffffff);
        QCOMPARE(Pixel(inverted, 152, 205), Pixel(before, 152, 205) ^ 0x00ffffff);
        // Exactly one 71 x 96 card: the column and row beyond it are untouched.
        QCOMPARE(Pixel(inverted, 153, 150), kNavy);
        QCOMPARE(Pixel(inverted, 100, 206), kNavy);
        QCOMPARE(Pixel(inverted, 81, 150), kNavy);

        table.view.DrawCard(kSelectionMark, 82, 110, 75, 95, true);
        QCOMPARE(table.Image(), before);
    }

    void tintsMergeOntoTheCardColours_data() {
        QTest::addColumn<int>("tint");
        QTest::addColumn<QRgb>("under");
        QTest::addColumn<QRgb>("evenPixel");
        QTest::addColumn<QRgb>("oddPixel");
        // tint 1 turns black and red magenta, 2 red, 3 checkers them; white stays
        const QRgb rows[][4] = {{201, kBlack, kMagenta, kMagenta}, {201, kRed, kMagenta, kMagenta},
                                {201, kWhite, kWhite, kWhite},     {202, kBlack, kRed, kRed},
                                {202, kRed, kRed, kRed},           {202, kWhite, kWhite, kWhite},
                                {203, kBlack, kMagenta, kBlack},   {203, kRed, kMagenta, kRed},
                                {203, kWhite, kWhite, kWhite}};
        for (const auto& row : rows) {
            QTest::addRow("%u on %x", row[0], row[1])
                << static_cast<int>(row[0]) << row[1] << row[2] << row[3];
        }
    }

    void tintsMergeOntoTheCardColours() {
        QFETCH(int, tint);
        QFETCH(QRgb, under);
        QFETCH(QRgb, evenPixel);
        QFETCH(QRgb, oddPixel);
        Table table;
        const ColorRef colour = MakeColorRef(qRed(under), qGreen(under), qBlue(under));
        table.surface.FillRect(Rect{4, 110, 4 + 71, 110 + 96}, colour);

        table.surface.BitBlt(4, 110, 80, 100, tint, RasterOp::MergePaint);

        QCOMPARE(Pixel(table.Image(), 4, 110), evenPixel);  // tint pixel (0, 0)
        QCOMPARE(Pixel(table.Image(), 5, 110), oddPixel);   // tint pixel (1, 0)
        QCOMPARE(Pixel(table.Image(), 74, 205), oddPixel);  // tint pixel (70, 95)
        QCOMPARE(Pixel(table.Image(), 75, 110), kNavy);     // beyond the tint
    }

    void cellFramesAreTheInverseOfTheTable_data() {
        QTest::addColumn<QRgb>("table");
        QTest::addColumn<QRgb>("frame");
        QTest::newRow("navy") << kNavy << kNavyInverse;
        QTest::newRow("white") << kWhite << kBlack;
    }

    void cellFramesAreTheInverseOfTheTable() {
        QFETCH(QRgb, table);
        QFETCH(QRgb, frame);
        Table game(table);
        game.view.m_crBackground = MakeColorRef(qRed(table), qGreen(table), qBlue(table));

        game.view.DrawCellFrames();
        game.view.DrawCellFrames();  // a second time changes nothing

        const QImage& image = game.Image();
        for (const QPoint corner : {QPoint(0, 0), QPoint(0, 95), QPoint(280, 95), QPoint(280, 0),
                                    QPoint(340, 0), QPoint(620, 95)}) {
            QCOMPARE(Pixel(image, corner.x(), corner.y()), frame);
        }
        QCOMPARE(Pixel(image, 70, 50), frame);   // a divider
        QCOMPARE(Pixel(image, 1, 1), table);     // inside a cell
        QCOMPARE(Pixel(image, 281, 95), table);  // the gap between the blocks
        QCOMPARE(Pixel(image, 0, 96), table);    // below the outline
    }

    // Lines stop before their last point; an erase leaves the right and bottom edges.
    void linesAndErasesStopBeforeTheirLastPixel() {
        Table table;
        table.view.DrawCellFrames();
        table.view.EraseRect(0, 280, 0, 95);
        QCOMPARE(PixelsOtherThan(table.Image(), QRect(0, 0, 280, 95), kNavy), 0);
        QCOMPARE(Pixel(table.Image(), 280, 50), kNavyInverse);
        QCOMPARE(Pixel(table.Image(), 100, 95), kNavyInverse);

        table.surface.Line(10, 300, 20, 300, MakeColorRef(0, 0, 0), PenMode::Copy);
        table.surface.Line(30, 320, 30, 310, MakeColorRef(0, 0, 0), PenMode::Copy);
        QCOMPARE(PixelsOtherThan(table.Image(), QRect(10, 300, 10, 1), kBlack), 0);
        QCOMPARE(PixelsOtherThan(table.Image(), QRect(30, 311, 1, 10), kBlack), 0);
        QCOMPARE(Pixel(table.Image(), 20, 300), kNavy);
        QCOMPARE(Pixel(table.Image(), 30, 310), kNavy);
    }

    // Black ink on a white box from the given corner, small enough for the move
    // count's box (R - 20, B - 20 to R - 3, B - 3) even with a large desktop font.
    void textIsBlackOnWhiteFromItsTopLeftCornerAndFitsItsBox() {
        const QFont desktop = QGuiApplication::font();
        QFont large = desktop;
        large.setPointSize(3 * desktop.pointSize());
        QGuiApplication::setFont(large);
        Table table;
        table.surface.TextOut(612, 387, "88");
        QGuiApplication::setFont(desktop);
        const QRect box = table.changed.value(0);
        QCOMPARE(box.topLeft(), QPoint(612, 387));
        QVERIFY2(box.width() <= 17 && box.height() <= 17,
                 qPrintable(QStringLiteral("%1 x %2").arg(box.width()).arg(box.height())));
        QCOMPARE(Pixel(table.Image(), 612, 387), kWhite);
        QCOMPARE(Pixel(table.Image(), 611, 387), kNavy);
        QCOMPARE(Pixel(table.Image(), 612, 386), kNavy);
        QVERIFY(PixelsOtherThan(table.Image(), box, kWhite) > 0);
        QCOMPARE(PixelsOtherThan(table.Image(), box, kNavy), box.width() * box.height());
    }

    void drawingIsClippedToTheClientArea() {
        Table table;
        table.view.DrawCard(1, 600, 380, 80, 100, false);
        table.view.DrawCard(kSelectionMark, -10, -10, 75, 95, true);
        table.surface.Line(-5, 400, 700, 400, MakeColorRef(0, 0, 0), PenMode::NotCopy);
        table.view.EraseRect(620, 900, 390, 900);

        const QImage card = Bitmap(1);
        QCOMPARE(Pixel(table.Image(), 619, 389), Pixel(card, 19, 9));
        QCOMPARE(Pixel(table.Image(), 0, 0), kNavy ^ 0x00ffffff);
        QCOMPARE(Pixel(table.Image(), 61, 86), kNavy);
        for (const QRect& rect : table.changed) {
            QVERIFY(QRect(QPoint(0, 0), kClient).contains(rect));
        }
    }

    void screenShowsEachTablePixelAsAWholeBlockAtDoubleDensity() {
        ViewWidget widget;
        widget.resize(40, 30);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        widget.DrawingSurface().Line(5, 5, 30, 20, MakeColorRef(255, 255, 0), PenMode::Copy);

        QImage screen(80, 60, QImage::Format_RGB32);
        screen.setDevicePixelRatio(2);
        widget.render(&screen);

        const QImage& image = widget.DrawingSurface().Image();
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 40; ++x) {
                const QRgb pixel = Pixel(image, x, y);
                QCOMPARE(Pixel(screen, 2 * x, 2 * y), pixel);
                QCOMPARE(Pixel(screen, 2 * x + 1, 2 * y), pixel);
                QCOMPARE(Pixel(screen, 2 * x, 2 * y + 1), pixel);
                QCOMPARE(Pixel(screen, 2 * x + 1, 2 * y + 1), pixel);
            }
        }
    }
};

QTEST_MAIN(ImageSurfaceTest)
#include "image_surface_test.moc"
