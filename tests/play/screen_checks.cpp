#include "play/screen_checks.h"

#include <QApplication>
#include <QFontMetrics>
#include <QRect>
#include <QRegion>

#include "app/view_widget.h"
#include "game/sol_view.h"

namespace screen {
namespace {
// Pixels where the table as moves leave it may rightly differ from a full
// repaint, because the two draw with different boxes or in another order.
QRegion LeftOut(const CSolView& game, const QImage& image) {
    QRegion region;
    // Clock text starts between x = 295 and 307 at y = 9; four digits end left
    // of the home cells.
    region += QRect(295, 9, 340 - 295, QFontMetrics(QApplication::font()).height());
    // The move count box (R-21, B-21)-(R-3, B-3) and its text at (R-20, B-20),
    // out to the corner: only a button release draws it.
    region += QRect(QPoint(image.width() - 21, image.height() - 21),
                    QPoint(image.width() - 1, image.height() - 1));
    // A card in the upper row: moves draw it in boxes wider or taller than the
    // repaint's 70 x 95, and redraw the cell outlines over it when a reserve
    // cell is emptied, so its border may show either.
    for (int k = 0; k < table::kColumns; ++k) {
        if (game.m_Cards[k][table::kCellRow] == Card{}) {
            continue;
        }
        const int left = k < table::kCells ? table::ReserveX(k) : table::HomeX(k - table::kCells);
        const QRect card(left, 0, table::kCardWidth, table::kCardHeight);
        region += QRegion(card).subtracted(card.adjusted(1, 1, -1, -1));
    }
    // A column's top card: moves draw it 95 pixels high, so its last row keeps
    // the table colour until a repaint.
    for (int k = 0; k < table::kColumns; ++k) {
        if (game.m_nTop[k] >= 0) {
            region += QRect(table::ColumnX(k), table::RowY(game.m_nTop[k]) + table::kCardHeight - 1,
                            table::kCardWidth, 1);
        }
    }
    return region;
}

QString Describe(QPoint at, QRgb shown, QRgb wanted) {
    return QStringLiteral("pixel (%1,%2) is #%3, want #%4")
        .arg(at.x())
        .arg(at.y())
        .arg(shown & 0xffffff, 6, 16, QLatin1Char('0'))
        .arg(wanted & 0xffffff, 6, 16, QLatin1Char('0'));
}
}  // namespace

QImage CardFace(int code) {
    return QImage(QStringLiteral(":/bitmaps/%1.png").arg(code))
        .convertToFormat(QImage::Format_RGB32);
}

QString Mismatch(const QImage& screen, QPoint at, const QImage& expected) {
    if (expected.isNull()) {
        return QStringLiteral("nothing to compare with");
    }
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QPoint point = at + QPoint(x, y);
            const QRgb shown = screen.pixel(point) | 0xff000000;
            const QRgb wanted = expected.pixel(x, y) | 0xff000000;
            if (shown != wanted) {
                return Describe(point, shown, wanted);
            }
        }
    }
    return {};
}

QString RepaintMismatch(ViewWidget& table, CSolView& game) {
    const QImage before = table.DrawingSurface().Image().copy();
    game.OnPaint();
    const QImage& after = table.DrawingSurface().Image();
    const QRegion leftOut = LeftOut(game, after);
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            const QPoint point(x, y);
            if (leftOut.contains(point)) {
                continue;
            }
            const QRgb shown = before.pixel(point) | 0xff000000;
            const QRgb repainted = after.pixel(point) | 0xff000000;
            if (shown != repainted) {
                return Describe(point, shown, repainted);
            }
        }
    }
    return {};
}

}  // namespace screen
