#include "app/image_surface.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {
QRgb ToRgb(ColorRef colour) {
    return qRgb(colour.red, colour.green, colour.blue);
}

QRgb Inverse(QRgb colour) {
    return qRgb(255 - qRed(colour), 255 - qGreen(colour), 255 - qBlue(colour));
}

// The table is laid out in pixels, and so are its texts: a desktop set to a
// larger font must not run the clock and the move count out of their boxes.
constexpr int kTextPixels = 12;

QFont TableFont() {
    QFont font = QGuiApplication::font();
    font.setPixelSize(kTextPixels);
    return font;
}
}  // namespace

ImageSurface::ImageSurface(ChangeListener onChanged)
    : m_image(1, 1, QImage::Format_RGB32), m_onChanged(std::move(onChanged)) {
    m_image.fill(Qt::black);
}

void ImageSurface::Reset(QSize size, QColor fill) {
    // Never a null image: a window squeezed to nothing still takes drawing calls.
    m_image = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.fill(fill);
    Changed(m_image.rect());
}

Rect ImageSurface::ClientRect() const {
    return Rect{0, 0, m_image.width(), m_image.height()};
}

void ImageSurface::BitBlt(int x, int y, int cx, int cy, int bitmapId, RasterOp op) {
    QPainter painter(&m_image);
    if (op == RasterOp::DestInvert) {
        const QRect box(x, y, cx, cy);
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(box, Qt::black);
        Changed(box);
        return;
    }
    // Only the bitmap's own pixels are drawn; the part of a larger box beyond
    // the bitmap keeps what it shows.
    const QImage& bitmap = m_bitmaps.Bitmap(bitmapId);
    const QRect source = QRect(0, 0, cx, cy).intersected(bitmap.rect());
    if (source.isEmpty()) {
        return;
    }
    painter.setCompositionMode(op == RasterOp::Copy ? QPainter::CompositionMode_Source
                                                    : QPainter::RasterOp_NotSourceOrDestination);
    painter.drawImage(QPoint(x, y), bitmap, source);
    Changed(source.translated(x, y));
}

void ImageSurface::FillRect(const Rect& rect, ColorRef colour) {
    const QRect box(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    if (box.isEmpty()) {
        return;
    }
    QPainter painter(&m_image);
    painter.fillRect(box, QColor(ToRgb(colour)));
    Changed(box);
}

void ImageSurface::Line(int x0, int y0, int x1, int y1, ColorRef pen, PenMode mode) {
    const QRgb colour = mode == PenMode::Copy ? ToRgb(pen) : Inverse(ToRgb(pen));
    // Bresenham, pixel by pixel, so the line covers exactly the pixels from the
    // first point up to (not including) the last.
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    int x = x0;
    int y = y0;
    QRect written;
    while (x != x1 || y != y1) {
        if (m_image.valid(x, y)) {
            reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = colour;
        }
        written |= QRect(x, y, 1, 1);
        const int twiceError = 2 * error;
        if (twiceError >= dy) {
            error += dy;
            x += stepX;
        }
        if (twiceError <= dx) {
            error += dx;
            y += stepY;
        }
    }
    Changed(written);
}

void ImageSurface::TextOut(int x, int y, const std::string& text) {
    const QString string = QString::fromStdString(text);
    QPainter painter(&m_image);
    painter.setFont(TableFont());
    const QFontMetrics metrics(painter.font());
    const QRect box(x, y, metrics.horizontalAdvance(string), metrics.height());
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, string);
    Changed(box);
}

void ImageSurface::Changed(const QRect& rect) {
    const QRect visible = rect.intersected(m_image.rect());
    if (!visible.isEmpty() && m_onChanged) {
        m_onChanged(visible);
    }
}
