#include "mask.h"

namespace artgen {

Mask::Mask(int width, int height)
    : width_(width), height_(height), ink_(static_cast<std::size_t>(width * height), false) {}

Mask Mask::FromRows(std::initializer_list<std::string_view> rows) {
    Mask mask(static_cast<int>(rows.begin()->size()), static_cast<int>(rows.size()));
    int y = 0;
    for (std::string_view row : rows) {
        for (int x = 0; x < mask.width_; ++x) {
            mask.Set(x, y, row[static_cast<std::size_t>(x)] == '#');
        }
        ++y;
    }
    return mask;
}

Mask Mask::Sampled(int width, int height, const std::function<bool(double, double)>& inside) {
    Mask mask(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Offsets from the middle are exact halves, so x and width-1-x give u and -u.
            const double u = (x + 0.5 - width / 2.0) / width;
            const double v = (y + 0.5) / height;
            mask.Set(x, y, inside(u, v));
        }
    }
    return mask;
}

Mask Mask::Rotated180() const {
    Mask turned(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            turned.Set(width_ - 1 - x, height_ - 1 - y, At(x, y));
        }
    }
    return turned;
}

Mask Mask::Enlarged(int factor) const {
    Mask big(width_ * factor, height_ * factor);
    for (int y = 0; y < big.height_; ++y) {
        for (int x = 0; x < big.width_; ++x) {
            big.Set(x, y, At(x / factor, y / factor));
        }
    }
    return big;
}

void Mask::PaintOnto(QImage& image, int x, int y, QRgb colour) const {
    for (int row = 0; row < height_; ++row) {
        for (int column = 0; column < width_; ++column) {
            if (At(column, row)) {
                image.setPixel(x + column, y + row, colour);
            }
        }
    }
}

}  // namespace artgen
