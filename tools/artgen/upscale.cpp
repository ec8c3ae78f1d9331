#include "upscale.h"

#include <algorithm>
#include <array>

namespace artgen {
namespace {

// The 3 x 3 neighbourhood of a pixel, row by row: a b c / d e f / g h i. Beyond the edge
// the edge pixel repeats.
struct Neighbours {
    QRgb a, b, c, d, e, f, g, h, i;
};

Neighbours Around(const QImage& image, int x, int y) {
    const auto at = [&image](int px, int py) {
        return image.pixel(std::clamp(px, 0, image.width() - 1),
                           std::clamp(py, 0, image.height() - 1));
    };
    return {at(x - 1, y - 1), at(x, y - 1),     at(x + 1, y - 1), at(x - 1, y),    at(x, y),
            at(x + 1, y),     at(x - 1, y + 1), at(x, y + 1),     at(x + 1, y + 1)};
}

// Each output block row by row. A corner turns only where the edge it lies on is a
// diagonal step: the two neighbours around it agree and the opposite ones do not.
std::array<QRgb, 4> Double(const Neighbours& n) {
    if (n.b == n.h || n.d == n.f) {
        return {n.e, n.e, n.e, n.e};
    }
    return {n.d == n.b ? n.d : n.e, n.b == n.f ? n.f : n.e, n.d == n.h ? n.d : n.e,
            n.h == n.f ? n.f : n.e};
}

std::array<QRgb, 9> Triple(const Neighbours& n) {
    if (n.b == n.h || n.d == n.f) {
        return {n.e, n.e, n.e, n.e, n.e, n.e, n.e, n.e, n.e};
    }
    const bool db = n.d == n.b, bf = n.b == n.f, dh = n.d == n.h, hf = n.h == n.f;
    return {db ? n.d : n.e,
            (db && n.e != n.c) || (bf && n.e != n.a) ? n.b : n.e,
            bf ? n.f : n.e,
            (db && n.e != n.g) || (dh && n.e != n.a) ? n.d : n.e,
            n.e,
            (bf && n.e != n.i) || (hf && n.e != n.c) ? n.f : n.e,
            dh ? n.d : n.e,
            (dh && n.e != n.i) || (hf && n.e != n.g) ? n.h : n.e,
            hf ? n.f : n.e};
}

template <std::size_t kCells>
void PaintBlock(QImage& big, int x, int y, int factor, const std::array<QRgb, kCells>& block) {
    for (int dy = 0; dy < factor; ++dy) {
        for (int dx = 0; dx < factor; ++dx) {
            big.setPixel(x * factor + dx, y * factor + dy,
                         block[static_cast<std::size_t>(dy * factor + dx)]);
        }
    }
}

}  // namespace

QImage Upscaled(const QImage& image, int factor) {
    if (factor == 1) {
        return image;
    }
    QImage big(image.size() * factor, image.format());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Neighbours around = Around(image, x, y);
            if (factor == 2) {
                PaintBlock(big, x, y, factor, Double(around));
            } else {
                PaintBlock(big, x, y, factor, Triple(around));
            }
        }
    }
    return big;
}

}  // namespace artgen
