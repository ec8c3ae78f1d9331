#pragma once

#include <QImage>

#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace artgen {

// A one-colour shape: which pixels of a small box carry ink.
class Mask {
  public:
    Mask(int width, int height);

    // Rows of '#' (ink) and '.' (blank), all of the same length.
    static Mask FromRows(std::initializer_list<std::string_view> rows);

    // Ink wherever `inside(u, v)` holds at a pixel centre. u runs from -0.5 to 0.5 across the
    // box, measured from its middle, so a shape symmetric in u comes out exactly symmetric;
    // v runs from 0 at the top to 1 at the bottom.
    static Mask Sampled(int width, int height, const std::function<bool(double, double)>& inside);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool At(int x, int y) const { return ink_[Index(x, y)]; }
    void Set(int x, int y, bool ink) { ink_[Index(x, y)] = ink; }

    Mask Rotated180() const;

    // Each pixel a `factor` x `factor` block.
    Mask Enlarged(int factor) const;

    // Paints the ink onto `image` with the box's top left corner at (x, y).
    void PaintOnto(QImage& image, int x, int y, QRgb colour) const;

  private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * width_ + x); }

    int width_;
    int height_;
    std::vector<bool> ink_;
};

}  // namespace artgen
