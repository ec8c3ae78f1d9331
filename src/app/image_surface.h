#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <functional>
#include <string>
#include <vector>

#include "app/bitmap_library.h"
#include "platform/surface.h"

class QPainter;

// The view's client area as pixels at the screen's density: `factor` device pixels
// across each client pixel. Every drawing call changes them at once, exactly as the
// table's primitives define them on the client pixel grid, and then reports the changed
// rectangle in client pixels so the widget can show it.
//
// Only what the table can use is kept: the top left part as far as the furthest card,
// mark and text reach, and, in a larger window, a small tile in the bottom right corner
// for the move count. The game draws only its table colour anywhere else, so the rest of
// a large window is that colour, held as one value.
class ImageSurface : public Surface {
  public:
    using ChangeListener = std::function<void(const QRect&)>;

    explicit ImageSurface(ChangeListener onChanged);

    // Starts a new client area of `size` filled with `fill`, drawn at `factor` (1, 2 or 3);
    // earlier pixels are gone.
    void Reset(QSize size, QColor fill, int factor = 1);
    int Factor() const { return m_factor; }

    // The whole client area at device resolution.
    QImage Image() const;
    // The memory the kept pixels take, in bytes.
    qsizetype PixelBytes() const;

    // Shows `area` of the client area through `painter`. On a device of the surface's own
    // factor each pixel is copied as it is; on any other (1.5 shows a factor of 2) the
    // pixels are scaled down to it smoothly, in one step.
    void Show(QPainter& painter, const QRect& area) const;
    // What to show again on a device of `devicePixelRatio` once `changed` has changed:
    // scaling smoothly spreads each pixel into its neighbours.
    QRect ToShow(const QRect& changed, qreal devicePixelRatio) const;

    Rect ClientRect() const override;
    void BitBlt(int x, int y, int cx, int cy, int bitmapId, RasterOp op) override;
    void FillRect(const Rect& rect, ColorRef colour) override;
    void Line(int x0, int y0, int x1, int y1, ColorRef pen, PenMode mode) override;
    void TextOut(int x, int y, const std::string& text) override;

  private:
    // Client pixels `area`, held in `pixels` at the surface's factor.
    struct Part {
        QRect area;
        QImage pixels;
    };

    QRect Device(const QRect& area) const;
    // The device pixels a screen of `ratio` shows `area` on, whole or in part.
    static QRect DeviceCover(const QRect& area, qreal ratio);
    // The client area's pixels in `area`, composed from the parts.
    QImage Pixels(const QRect& area) const;
    // The client area scaled down smoothly to the `device` pixels of a screen of `ratio`.
    QImage ScaledTo(const QRect& device, qreal ratio) const;
    // Runs `draw` on each part that `area` touches, with a painter in device coordinates
    // of the whole client area.
    void Paint(const QRect& area, const std::function<void(QPainter&)>& draw);
    void Changed(const QRect& rect);

    QSize m_size{1, 1};
    int m_factor = 1;
    QColor m_beyond = Qt::black;  // the colour of the client area outside the parts
    std::vector<Part> m_parts;
    BitmapLibrary m_bitmaps;
    ChangeListener m_onChanged;
};
