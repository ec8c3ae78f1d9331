#pragma once

#include <string>

#include "platform/color_ref.h"

// A rectangle of client pixels; right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

// How a bitmap transfer combines with the pixels already on the surface.
enum class RasterOp {
    Copy,        // the bitmap's own pixels replace the destination
    DestInvert,  // the destination box is inverted; the bitmap is not read
    MergePaint,  // destination = NOT bitmap OR destination
};

// How a line pixel is coloured.
enum class PenMode {
    Copy,     // the pen colour
    NotCopy,  // the inverse of the pen colour
};

// The view's client area as a drawing surface. Every call draws at once and
// is visible without any later repaint.
class Surface {
  public:
    virtual ~Surface() = default;

    virtual Rect ClientRect() const = 0;

    // Transfers bitmap resource `bitmapId` into the box (x, y, cx, cy) from the
    // bitmap's top left corner. Only the bitmap's own pixels inside the box are
    // touched; the rest of a larger box keeps its pixels.
    virtual void BitBlt(int x, int y, int cx, int cy, int bitmapId, RasterOp op) = 0;

    virtual void FillRect(const Rect& rect, ColorRef colour) = 0;

    // A line one pixel wide from (x0, y0) up to but excluding (x1, y1).
    virtual void Line(int x0, int y0, int x1, int y1, ColorRef pen, PenMode mode) = 0;

    // Text in the default font, black on an opaque white background, its top
    // left corner at (x, y).
    virtual void TextOut(int x, int y, const std::string& text) = 0;
};
