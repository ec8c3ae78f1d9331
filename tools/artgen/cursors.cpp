#include "cursors.h"

#include "mask.h"
#include "palette.h"

namespace artgen {
namespace {

constexpr int kCursorSize = 32;

enum class Pointing { Up = -1, Down = 1 };

// An arrow whose body ends one pixel short of `tip`, leaving the tip to the outline. Its
// head widens by one pixel on each side per row; the shaft behind it keeps one width.
Mask ArrowBody(QPoint tip, Pointing pointing, int headHalfWidth, int shaftHalfWidth, int length) {
    Mask body(kCursorSize, kCursorSize);
    const int step = static_cast<int>(pointing);
    for (int back = 0; back < length; ++back) {
        const int y = tip.y() - step * (back + 1);
        const int halfWidth = back <= headHalfWidth ? back : shaftHalfWidth;
        for (int x = tip.x() - halfWidth; x <= tip.x() + halfWidth; ++x) {
            body.Set(x, y, true);
        }
    }
    return body;
}

bool TouchesBody(const Mask& body, int x, int y) {
    constexpr int kNeighbours[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& offset : kNeighbours) {
        const int nx = x + offset[0];
        const int ny = y + offset[1];
        if (nx >= 0 && ny >= 0 && nx < body.Width() && ny < body.Height() && body.At(nx, ny)) {
            return true;
        }
    }
    return false;
}

// The body in `fill`, a one-pixel ring around it in `outline`, transparent elsewhere.
QImage Outlined(const Mask& body, QRgb fill, QRgb outline) {
    QImage image(kCursorSize, kCursorSize, QImage::Format_ARGB32);
    image.fill(colour::kClear);
    for (int y = 0; y < kCursorSize; ++y) {
        for (int x = 0; x < kCursorSize; ++x) {
            if (body.At(x, y)) {
                image.setPixel(x, y, fill);
            } else if (TouchesBody(body, x, y)) {
                image.setPixel(x, y, outline);
            }
        }
    }
    return image;
}

}  // namespace

QImage DropCursor() {
    return Outlined(ArrowBody(kDropCursorTip, Pointing::Down, 6, 3, 18), colour::kWhite,
                    colour::kBlack);
}

QImage EmptyCursor() {
    return Outlined(ArrowBody(kEmptyCursorTip, Pointing::Up, 4, 0, 16), colour::kBlack,
                    colour::kWhite);
}

}  // namespace artgen
