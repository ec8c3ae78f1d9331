// The table's pixels, drawn by each primitive on the real image surface, and the
// view widget between Qt and the game: mouse messages in the game's order with
// client coordinates, and a full repaint after each resize.
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QVector>
#include <QtTest>

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

// Each of these points shows its colour.
void ExpectPixels(const QImage& image, std::initializer_list<std::tuple<int, int, QRgb>> points) {
    for (const auto& [x, y, colour] : points) {
        QVERIFY2(Pixel(image, x, y) == colour, qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
    }
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

// A game on `surface`, the rest of its platform faked.
struct Fakes {
    CSolDoc doc;
    FakeWindow window;
    ScriptedDialogs dialogs;
    MemoryProfile profile;
};
struct Drawn : Fakes {
    QVector<QRect> changed;
    QImage shown{kClient, QImage::Format_RGB32};  // the screen: what the surface reports
    ImageSurface surface{[this](const QRect& rect) {
        changed.push_back(rect);
        QPainter(&shown).drawImage(rect.topLeft(), surface.Image(), rect);
    }};
    CSolView view{doc, Platform{surface, window, dialogs, profile}};
    explicit Drawn(QRgb fill = kNavy) {
        surface.Reset(kClient, QColor(fill));
        changed.clear();
    }
    const QImage& Image() const { return surface.Image(); }
};

// A view widget showing game 1, the top card of its first column at kColumn1.
struct Shown : Fakes {
    ViewWidget widget;
    CSolView view{doc, Platform{widget.DrawingSurface(), window, dialogs, profile}};
    Shown() {
        widget.SetView(view);
        widget.resize(632, 407);
        widget.show();
        view.m_nNextGame = view.m_nReplayGame = 1;
        view.StartGame();
    }
    const QImage& Image() { return widget.DrawingSurface().Image(); }
};
const QPoint kColumn1(40, 250);
}  // namespace

class TableWidgetTest : public QObject {
    Q_OBJECT

  private slots:
    void cardCopyTouchesOnlyTheBitmapPixelsAndTheMarkInvertsExactlyOneCard() {
        Drawn table;
        table.view.DrawCard(1, 4, 110, 80, 100, false);
        const QImage before = table.Image();
        QCOMPARE(before.copy(4, 110, 71, 96),
                 QImage(":/bitmaps/1.png").convertToFormat(QImage::Format_RGB32));
        // The 9 pixels to the right and the 4 rows below keep the table.
        QCOMPARE(PixelsOtherThan(before, QRect(75, 110, 9, 100), kNavy), 0);
        QCOMPARE(PixelsOtherThan(before, QRect(4, 206, 80, 4), kNavy), 0);
        QCOMPARE(table.changed, QVector<QRect>{QRect(4, 110, 71, 96)});
        table.view.DrawCard(kSelectionMark, 4, 110, 75, 95, true);
        const QRgb first = Pixel(before, 4, 110) ^ 0xffffff,
                   last = Pixel(before, 74, 205) ^ 0xffffff;
        ExpectPixels(table.Image(), {{4, 110, first},
                                     {74, 205, last},
                                     {75, 150, kNavy},
                                     {40, 206, kNavy},
                                     {3, 150, kNavy}});
        table.view.DrawCard(kSelectionMark, 4, 110, 75, 95, true);
        QCOMPARE(table.Image(), before);
        QCOMPARE(table.shown, table.Image());
    }

    // Tint 1 turns black and red magenta, 2 red, 3 checkers them; white stays.
    void tintsMergeOntoTheCardColours() {
        const QRgb rows[][4] = {{201, kBlack, kMagenta, kMagenta}, {201, kRed, kMagenta, kMagenta},
                                {201, kWhite, kWhite, kWhite},     {202, kBlack, kRed, kRed},
                                {202, kRed, kRed, kRed},           {202, kWhite, kWhite, kWhite},
                                {203, kBlack, kMagenta, kBlack},   {203, kRed, kMagenta, kRed},
                                {203, kWhite, kWhite, kWhite}};
        for (const auto& [tint, under, even, odd] : rows) {
            Drawn table;
            table.surface.FillRect(Rect{4, 110, 4 + 71, 110 + 96},
                                   MakeColorRef(qRed(under), qGreen(under), qBlue(under)));
            table.surface.BitBlt(4, 110, 80, 100, static_cast<int>(tint), RasterOp::MergePaint);
            // Tint pixels (0, 0), (1, 0), (70, 95), and the table beyond the tint.
            ExpectPixels(table.Image(),
                         {{4, 110, even}, {5, 110, odd}, {74, 205, odd}, {75, 110, kNavy}});
        }
    }

    // Cell frames are the inverse of the table; lines stop before their last
    // point, and an erase leaves the right and bottom edges.
    void framesLinesAndErasesStopBeforeTheirLastPixel() {
        for (const auto& [fill, frame] : {std::pair{kNavy, kNavyInverse}, {kWhite, kBlack}}) {
            Drawn table(fill);
            table.view.m_crBackground = MakeColorRef(qRed(fill), qGreen(fill), qBlue(fill));
            table.view.DrawCellFrames();
            table.view.DrawCellFrames();  // a second time changes nothing
            // Corners, a divider; inside a cell, the gap between the blocks, below the outline.
            // clang-format off
            ExpectPixels(table.Image(), {{0, 0, frame}, {0, 95, frame}, {280, 95, frame}, {280, 0, frame},
                {340, 0, frame}, {620, 95, frame}, {70, 50, frame}, {1, 1, fill}, {281, 95, fill}, {0, 96, fill}});
            // clang-format on
        }
        Drawn table;
        table.view.DrawCellFrames();
        table.view.EraseRect(0, 280, 0, 95);
        QCOMPARE(PixelsOtherThan(table.Image(), QRect(0, 0, 280, 95), kNavy), 0);
        table.surface.Line(10, 300, 20, 300, MakeColorRef(0, 0, 0), PenMode::Copy);
        table.surface.Line(30, 320, 30, 310, MakeColorRef(0, 0, 0), PenMode::Copy);
        QCOMPARE(PixelsOtherThan(table.Image(), QRect(10, 300, 10, 1), kBlack), 0);
        QCOMPARE(PixelsOtherThan(table.Image(), QRect(30, 311, 1, 10), kBlack), 0);
        ExpectPixels(
            table.Image(),
            {{280, 50, kNavyInverse}, {100, 95, kNavyInverse}, {20, 300, kNavy}, {30, 310, kNavy}});
        // Each line pixel reaches the screen, also (280, 0) after a last cell's card leaves.
        table.view.DrawCard(1, 210, 0, 71, 96, false);
        table.view.EraseRect(210, 280, 0, 95);
        table.view.DrawCellFrames();
        QCOMPARE(table.shown, table.Image());
    }

    // Black ink on a white box from the given corner, small enough for the move
    // count's box (R - 20, B - 20 to R - 3, B - 3) even with a large desktop font;
    // and all drawing clipped to the client area.
    void textFitsItsBoxAndDrawingStaysInTheClientArea() {
        const QFont desktop = QGuiApplication::font();
        QFont large = desktop;
        large.setPointSize(3 * desktop.pointSize());
        QGuiApplication::setFont(large);
        Drawn text;
        text.surface.TextOut(612, 387, "88");
        QGuiApplication::setFont(desktop);
        const QRect box = text.changed.value(0);
        QCOMPARE(box.topLeft(), QPoint(612, 387));
        QVERIFY(box.width() <= 17 && box.height() <= 17);
        ExpectPixels(text.Image(), {{612, 387, kWhite}, {611, 387, kNavy}, {612, 386, kNavy}});
        QVERIFY(PixelsOtherThan(text.Image(), box, kWhite) > 0);
        QCOMPARE(PixelsOtherThan(text.Image(), box, kNavy), box.width() * box.height());

        Drawn table;
        table.view.DrawCard(1, 600, 380, 80, 100, false);
        table.view.DrawCard(kSelectionMark, -10, -10, 75, 95, true);
        table.surface.Line(-5, 400, 700, 400, MakeColorRef(0, 0, 0), PenMode::NotCopy);
        table.view.EraseRect(620, 900, 390, 900);
        ExpectPixels(table.Image(), {{619, 389, Pixel(QImage(":/bitmaps/1.png"), 19, 9)},
                                     {0, 0, kNavy ^ 0xffffff},
                                     {61, 86, kNavy}});
        for (const QRect& rect : table.changed) {
            QVERIFY(QRect(QPoint(0, 0), kClient).contains(rect));
        }
        QCOMPARE(text.shown, text.Image());
    }

    // A double-click reaches the handler of its own button after its first
    // press and release: the left one sends the selected top card (a King, which
    // the right one cannot send home) to the first reserve cell.
    void mouseMessagesArriveInTheGamesOrderAndAResizeRepaintsAll() {
        for (const auto& [button, topAfter] :
             {std::pair{Qt::LeftButton, 5}, {Qt::RightButton, 6}}) {
            Shown game;
            game.view.m_Rclk = 1;
            QTest::mouseClick(&game.widget, button, {}, kColumn1);
            QTest::mouseDClick(&game.widget, button, {}, kColumn1);
            QTest::mouseRelease(&game.widget, button, {}, kColumn1);
            QCOMPARE(game.view.m_nTop[0], topAfter);
            QCOMPARE(game.view.m_bCellUsed[0], 6 - topAfter);
            QCOMPARE(game.view.m_nSelected, 0);
        }
        // Pointer moves arrive in client coordinates; a resize repaints all.
        Shown game;
        QVERIFY(QTest::qWaitForWindowExposed(&game.widget));
        for (const auto& [x, right] : {std::pair{311, 1}, {310, 0}}) {
            QTest::mouseMove(&game.widget, QPoint(x, 300));
            QCOMPARE(game.view.m_bPointerRight, right);
        }
        game.widget.resize(700, 500);
        QTRY_COMPARE(game.Image().size(), QSize(700, 500));
        // The outline of the first reserve cell and the deal's cards are back.
        QCOMPARE(Pixel(game.Image(), 0, 50), kNavyInverse);
        QVERIFY(game.Image().pixel(40, 300) != game.Image().pixel(40, 400));
    }
};

QTEST_MAIN(TableWidgetTest)
#include "table_widget_test.moc"
