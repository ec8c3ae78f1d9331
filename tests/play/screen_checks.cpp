#include "play/screen_checks.h"

#include <QRect>
#include <QRegion>

#include "app/view_widget.h"
#include "game/sol_view.h"

namespace screen {
namespace {
// The clock and the move count: the clock is redrawn only as it counts, and a
// repaint removes the count until the next button release.
QRegion LeftOut(const QImage& image) {
    QRegion region;
    // The clock's text starts between x = 295 and 307 at y = 9; four digits
    // end left of the home cells, and the text stays above the king box.
    region += QRect(QPoint(295, 9), QPoint(339, 33));
    // The move count box (R-21, B-21)-(R-3, B-3) and its text at (R-20, B-20),
    // out to the corner.
    region += QRect(QPoint(image.width() - 21, image.height() - 21),
                    QPoint(image.width() - 1, image.height() - 1));
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
    const QRegion leftOut = LeftOut(after);
    QString first;
    int differing = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            const QPoint point(x, y);
            const QRgb shown = before.pixel(point) | 0xff000000;
            const QRgb repainted = after.pixel(point) | 0xff000000;
            if (shown == repainted || leftOut.contains(point)) {
                continue;
            }
            if (differing++ == 0) {
                first = Describe(point, shown, repainted);
            }
        }
    }
    return differing == 0 ? QString()
                          : QStringLiteral("%1 (%2 pixels differ)").arg(first).arg(differing);
}

}  // namespace screen
