// The table's pixels, drawn by each primitive on the real image surface, and the
// view widget between Qt and the game: mouse messages in the game's order with
// client coordinates, and a full repaint after each resize.
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QVector>
#include <QtTest>
#include <functional>
#include <numeric>
#include <tuple>
#include <utility>

#include "app/image_surface.h"
#include "app/view_widget.h"
#include "fakes/fake_platform.h"
#include "game/sol_view.h"
#include "play/play_window.h"
#include "solver/game_solver.h"

namespace {
const QRgb kNavy = qRgb(0, 0, 128);
const QRgb kNavyInverse = qRgb(255, 255, 127);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QSize kClient(632, 407);
const QRgb kUnpainted = qRgb(1, 2, 3);  // a screen pixel no repaint reached

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

// A screen of `size` client pixels at `ratio` device pixels to each, not yet painted.
QImage Screen(QSize size, qreal ratio) {
    QImage screen((QSizeF(size) * ratio).toSize(), QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    screen.fill(kUnpainted);
    return screen;
}

// What a full repaint shows of `surface` on a screen like `like`.
QImage FullRepaint(const ImageSurface& surface, const QImage& like) {
    const Rect client = surface.ClientRect();
    QImage screen = Screen(QSize(client.right, client.bottom), like.devicePixelRatio());
    QPainter painter(&screen);
    surface.Show(painter, QRect(0, 0, client.right, client.bottom));
    return screen;
}

// A game on `surface`, the rest of its platform faked.
struct Fakes {
    CSolDoc doc;
    FakeWindow window;
    ScriptedDialogs dialogs;
    MemoryProfile profile;
};
// The surface draws at `factor` for a screen of `ratio`.
struct Drawn : Fakes {
    QVector<QRect> changed;
    qreal ratio;
    QImage shown;  // the screen: what the surface reports
    ImageSurface surface{[this](const QRect& rect) {
        changed.push_back(rect);
        QPainter painter(&shown);
        surface.Show(painter, surface.ToShow(rect, ratio));
    }};
    CSolView view{doc, Platform{surface, window, dialogs, profile}};
    explicit Drawn(QRgb fill = kNavy, int factor = 1, qreal ratio = 1, QSize client = kClient)
        : ratio(ratio), shown(Screen(client, ratio)) {
        surface.Reset(client, QColor(fill), factor);
        changed.clear();
    }
    QImage Image() const { return surface.Image(); }
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
    QImage Image() { return widget.DrawingSurface().Image(); }
};
const QPoint kColumn1(40, 250);
}  // namespace

class TableWidgetTest : public QObject {
    Q_OBJECT

  private slots:
    // Each fixed shape on a table of another colour than the view's, so that its
    // erase boxes show: exactly the boxes it covers, in their colours, with the
    // king, the clock and the count inside. Lines stop before their last point.
    // The view's teal has every part of a colour, so the outlines show its inverse.
    void fixedShapesCoverExactlyTheirPixels() {
        const QRgb kTable = qRgb(10, 20, 30);
        const QRgb kTeal = qRgb(0, 64, 128);
        using Boxes = QList<std::pair<QRect, QRgb>>;
        const auto outlines = [kTeal](Boxes boxes) {
            for (const int left : {0, 340}) {  // the reserve and the home cells, four each
                boxes.push_back({QRect(left, 0, 281, 1), kTeal ^ 0xffffff});
                boxes.push_back({QRect(left, 95, 281, 1), kTeal ^ 0xffffff});
                for (int x = left; x <= left + 280; x += 70) {
                    boxes.push_back({QRect(x, 0, 1, 96), kTeal ^ 0xffffff});
                }
            }
            return boxes;
        };
        const Boxes kingFrame = {{QRect(294, 34, 35, 1), kBlack},
                                 {QRect(294, 68, 35, 1), kBlack},
                                 {QRect(294, 34, 1, 35), kBlack},
                                 {QRect(328, 34, 1, 35), kBlack}};
        const auto king = [](ImageSurface& s, int bitmap) {
            s.BitBlt(295, 35, 32, 32, bitmap, RasterOp::Copy);
        };
        const struct {
            const char* what;
            std::function<void(Drawn&)> draw;
            Boxes boxes = {};
            std::function<void(ImageSurface&, const CSolView&)> inside = [](auto&, auto&) {};
        } shapes[] = {
            // clang-format off
            {.what = "table without a game", .draw = [](Drawn& d) { d.view.OnPaint(); },
             .boxes = outlines(Boxes{{QRect(QPoint(0, 0), kClient), kTeal}} + kingFrame),
             .inside = [&](ImageSurface& s, const CSolView&) { king(s, 1000); }},
            {.what = "king box looking right, with the clock",
             .draw = [](Drawn& d) {
                 std::tie(d.view.m_Show, d.view.m_bPointerRight) = std::tuple(1, 1);
                 d.view.m_nSeconds = 5;
                 d.view.DrawKingBox(); },
             .boxes = kingFrame,
             .inside = [&](ImageSurface& s, const CSolView&) {
                 s.TextOut(307, 9, "5"), king(s, 2000); }},
            {.what = "move count", .draw = [](Drawn& d) { d.view.UpdateMoveCount(); },
             .boxes = {{QRect(611, 386, 18, 18), kTeal}},
             .inside = [](ImageSurface& s, const CSolView& v) {
                 s.TextOut(612, 387, std::to_string(v.m_nMovesLeft)); }},
            {.what = "lines", .draw = [](Drawn& d) {
                 d.surface.Line(10, 300, 20, 300, MakeColorRef(0, 0, 0), PenMode::Copy);
                 d.surface.Line(30, 320, 30, 310, MakeColorRef(0, 0, 0), PenMode::Copy);
                 QCOMPARE(d.changed,
                          (QVector<QRect>{QRect(10, 300, 10, 1), QRect(30, 311, 1, 10)})); },
             .boxes = {{QRect(10, 300, 10, 1), kBlack}, {QRect(30, 311, 1, 10), kBlack}}},
            // A card's own pixels alone, in a box larger than the card.
            {.what = "card", .draw = [](Drawn& d) {
                 d.view.DrawCard(1, 4, 110, 80, 100, false);
                 QCOMPARE(d.Image().copy(4, 110, 71, 96),
                          QImage(":/bitmaps/1.png").convertToFormat(QImage::Format_RGB32));
                 QCOMPARE(d.changed, QVector<QRect>{QRect(4, 110, 71, 96)}); },
             .inside = [](ImageSurface& s, const CSolView&) {
                 s.BitBlt(4, 110, 71, 96, 1, RasterOp::Copy); }},
            {.what = "mark", .draw = [](Drawn& d) {
                 d.view.DrawCard(kSelectionMark, 4, 110, 75, 95, true); },
             .boxes = {{QRect(4, 110, 71, 96), kTable ^ 0xffffff}}},
            {.what = "mark taken away", .draw = [](Drawn& d) {
                 d.view.DrawCard(kSelectionMark, 4, 110, 75, 95, true);
                 d.view.DrawCard(kSelectionMark, 4, 110, 75, 95, true); }},
            // Tint 1 is green: what is not green in it merges with what lies beneath.
            {.what = "tint", .draw = [](Drawn& d) {
                 d.surface.FillRect(Rect{4, 110, 84, 210}, MakeColorRef(0, 128, 0));
                 d.surface.BitBlt(4, 110, 80, 100, 201, RasterOp::MergePaint); },
             .boxes = {{QRect(4, 110, 80, 100), qRgb(0, 128, 0)},
                       {QRect(4, 110, 71, 96), qRgb(255, 128, 255)}}},
            // clang-format on
        };
        for (const auto& shape : shapes) {
            Drawn table(kTable);
            table.view.m_Show = 0;
            table.view.m_crBackground = MakeColorRef(qRed(kTeal), qGreen(kTeal), qBlue(kTeal));
            shape.draw(table);
            ImageSurface expected{nullptr};
            expected.Reset(kClient, QColor(kTable));
            for (const auto& [box, colour] : shape.boxes) {
                expected.FillRect(Rect{box.left(), box.top(), box.right() + 1, box.bottom() + 1},
                                  MakeColorRef(qRed(colour), qGreen(colour), qBlue(colour)));
            }
            shape.inside(expected, table.view);
            QVERIFY2(table.Image() == expected.Image(), shape.what);
            QCOMPARE(table.shown, table.Image());  // every pixel drawn reaches the screen
        }
        // (280, 0) reaches the screen after the last cell's card leaves.
        Drawn table;
        table.view.DrawCard(1, 210, 0, 71, 96, false);
        table.view.EraseRect(210, 280, 0, 95);
        table.view.DrawCellFrames();
        QCOMPARE(table.shown, table.Image());
    }

    // Game 1 a dozen moves into its winning line, on screens of every kind of density:
    // what the reported rectangles put on the screen is what a full repaint shows, and
    // at twice the density the columns have pixels finer than the table's own.
    void theTableShownIsAFullRepaintAtEveryDensity() {
        const solver::GameResult solution = solver::SolveGame(1);
        for (const auto& [factor, ratio] : {std::pair{1, 1.0}, {2, 2.0}, {2, 1.5}}) {
            Drawn table(kNavy, factor, ratio);
            table.view.m_nNextGame = table.view.m_nReplayGame = 1;
            table.view.StartGame();
            // A dozen moves at least, and on until a card lies in the first reserve cell.
            for (std::size_t i = 0; i < 12 || !table.view.m_bCellUsed[0]; ++i) {
                QVERIFY(i < solution.line.size());
                const auto [from, to] = PressesFor(table.view, solution.line[i]);
                for (const solver::Spot at : {from, to}) {
                    table.view.OnLButtonDown(1, at.x, at.y);
                    table.view.OnLButtonUp(0, at.x, at.y);
                }
                for (int tick = 0; tick < 13; ++tick) {  // the cards that go home by themselves
                    table.view.OnTimer(kGameTimer);
                }
            }
            // The moves were made: fewer than 52 cards lie in the columns.
            QVERIFY(std::accumulate(table.view.m_nTop, table.view.m_nTop + 8, 8) < 52);
            // The first reserve cell's card selected, a repaint draws the very same table.
            const solver::Spot cell = solver::ReserveSpot(0);
            table.view.OnLButtonDown(1, cell.x, cell.y);
            table.view.OnLButtonUp(0, cell.x, cell.y);
            QCOMPARE(table.view.m_nSelected, kFirstReserveSelection);
            QCOMPARE(table.shown, FullRepaint(table.surface, table.shown));
            const QImage played = table.shown;  // each device pixel, the last row and column too
            QCOMPARE(PixelsOtherThan(played, played.rect(), kUnpainted),
                     played.width() * played.height());
            QCOMPARE(played.pixel(0, played.height() - 1), kNavy);  // the table's own colour
            table.view.OnPaint();
            table.view.UpdateMoveCount();
            QCOMPARE(table.shown, played);
            int finerBlocks = 0;
            const QImage columns = table.Image().copy(0, 110 * factor, 630 * factor, 300 * factor);
            for (int y = 0; factor == 2 && y < columns.height(); y += 2) {
                for (int x = 0; x < columns.width(); x += 2) {
                    const QRgb first = columns.pixel(x, y);
                    finerBlocks += columns.pixel(x + 1, y) != first ||
                                   columns.pixel(x, y + 1) != first ||
                                   columns.pixel(x + 1, y + 1) != first;
                }
            }
            QVERIFY(factor == 1 || finerBlocks > 1000);
        }
    }

    // A huge window keeps the pixels of a small one, and its move count shows in its
    // corner as in any other; the rest shows the table colour.
    void aHugeWindowKeepsOnlyWhatTheTableUses() {
        struct Dealt : Fakes {
            ImageSurface surface{nullptr};
            CSolView view{doc, Platform{surface, window, dialogs, profile}};
            explicit Dealt(QSize client) {
                surface.Reset(client, QColor(Qt::black), 2);  // the deal erases it to the table
                view.m_nNextGame = view.m_nReplayGame = 1;
                view.StartGame();
            }
            // `box` as it shows on a screen of twice the density.
            QImage Shown(QPoint corner) const {
                QImage shown = Screen(QSize(32, 32), 2);
                QPainter painter(&shown);
                painter.translate(-corner);
                surface.Show(painter, QRect(corner, QSize(32, 32)));
                return shown;
            }
        };
        const Dealt huge(QSize(8000, 8000)), small(QSize(600, 400));
        QVERIFY(huge.surface.PixelBytes() < small.surface.PixelBytes() * 2);
        // The move count, in the corner of each.
        QVERIFY(PixelsOtherThan(small.Shown({568, 368}), QRect(0, 0, 64, 64), kNavy) > 100);
        QCOMPARE(huge.Shown({7968, 7968}), small.Shown({568, 368}));
        QCOMPARE(PixelsOtherThan(huge.Shown({4000, 600}), QRect(0, 0, 64, 64), kNavy), 0);
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
