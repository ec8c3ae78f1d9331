#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <functional>
#include <string>

#include "app/bitmap_library.h"
#include "platform/surface.h"

// The view's client area as an image: every drawing call changes its pixels at
// once, exactly as the table's primitives define them, and then reports the
// changed rectangle so the widget can show it.
class ImageSurface : public Surface {
  public:
    using ChangeListener = std::function<void(const QRect&)>;

    explicit ImageSurface(ChangeListener onChanged);

    // Starts a new image of `size` filled with `fill`; earlier pixels are gone.
    void Reset(QSize size, QColor fill);
    const QImage& Image() const { return m_image; }

    Rect ClientRect() const override;
    void BitBlt(int x, int y, int cx, int cy, int bitmapId, RasterOp op) override;
    void FillRect(const Rect& rect, ColorRef colour) override;
    void Line(int x0, int y0, int x1, int y1, ColorRef pen, PenMode mode) override;
    void TextOut(int x, int y, const std::string& text) override;

  private:
    void Changed(const QRect& rect);

    QImage m_image;
    BitmapLibrary m_bitmaps;
    ChangeListener m_onChanged;
};
