#include "app/image_surface.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "app/area_scaling.h"
#include "game/table_geometry.h"

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

QFont TableFont(int factor) {
    QFont font = QGuiApplication::font();
    font.setPixelSize(kTextPixels * factor);
    return font;
}

// As far as the game draws anything but its table colour: the last column's cards in
// their repaint boxes, down to the lowest row a column can reach. The cells, the king
// and the clock lie inside.
constexpr QSize kTableExtent(table::ColumnX(table::kColumns - 1) + table::kRepaintWidth,
                             table::RowY(table::kCellRow - 1) + table::kRepaintHeight);
// The move count's box ends 3 pixels from the corner and starts 21 from it.
constexpr int kCornerTile = 32;
}  // namespace

ImageSurface::ImageSurface(ChangeListener onChanged) : m_onChanged(std::move(onChanged)) {
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(m_beyond);
    m_parts.push_back(Part{pixel.rect(), std::move(pixel)});
}

void ImageSurface::Reset(QSize size, QColor fill, int factor) {
    // Never a null image: a window squeezed to nothing still takes drawing calls.
    m_size = size.expandedTo(QSize(1, 1));
    m_factor = factor;
    m_beyond = fill;
    const QRect client(QPoint(0, 0), m_size);
    std::vector<QRect> areas = {QRect(QPoint(0, 0), m_size.boundedTo(kTableExtent))};
    if (areas.front() != client) {
        QRect corner(QPoint(), QSize(kCornerTile, kCornerTile));
        corner.moveBottomRight(client.bottomRight());
        areas.push_back(corner.intersected(client));
    }
    m_parts.clear();
    for (const QRect& area : areas) {
        QImage pixels(area.size() * m_factor, QImage::Format_RGB32);
        pixels.fill(fill);
        m_parts.push_back(Part{area, std::move(pixels)});
    }
    Changed(client);
}

QImage ImageSurface::Image() const {
    if (m_parts.size() == 1) {
        return m_parts.front().pixels;
    }
    return Pixels(QRect(QPoint(0, 0), m_size));
}

QImage ImageSurface::Pixels(const QRect& area) const {
    QImage pixels(area.size() * m_factor, QImage::Format_RGB32);
    pixels.fill(m_beyond);
    QPainter painter(&pixels);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.translate(-area.topLeft() * m_factor);
    for (const Part& part : m_parts) {
        painter.drawImage(part.area.topLeft() * m_factor, part.pixels);
    }
    return pixels;
}

qsizetype ImageSurface::PixelBytes() const {
    qsizetype bytes = 0;
    for (const Part& part : m_parts) {
        bytes += part.pixels.sizeInBytes();
    }
    return bytes;
}

void ImageSurface::Show(QPainter& painter, const QRect& area) const {
    const qreal ratio = painter.device()->devicePixelRatio();
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    QRegion beyond(area);
    for (const Part& part : m_parts) {
        beyond -= part.area;
    }
    for (const QRect& rect : beyond) {
        painter.fillRect(rect, m_beyond);
    }
    const QRect client(QPoint(0, 0), m_size);
    for (const Part& part : m_parts) {
        if (ratio == m_factor) {
            painter.drawImage(QRectF(part.area), part.pixels);
            continue;
        }
        // Device pixels that straddle the part's edge take from beyond it too.
        const QRect near = part.area.adjusted(-1, -1, 1, 1).intersected(area).intersected(client);
        if (!near.isEmpty()) {
            const QRect device = DeviceCover(near, ratio);
            QImage scaled = ScaledTo(device, ratio);
            scaled.setDevicePixelRatio(ratio);
            painter.drawImage(QPointF(device.topLeft()) / ratio, scaled);
        }
    }
    painter.restore();
}

QImage ImageSurface::ScaledTo(const QRect& device, qreal ratio) const {
    const qreal step = m_factor / ratio;
    const QRect sourceArea =
        QRect(device.topLeft() * step / m_factor, device.size() * step / m_factor)
            .adjusted(-1, -1, 1, 1)
            .intersected(QRect(QPoint(0, 0), m_size));
    return AreaScaled(Pixels(sourceArea), sourceArea.topLeft() * m_factor, device, step);
}

QRect ImageSurface::ToShow(const QRect& changed, qreal devicePixelRatio) const {
    return devicePixelRatio == m_factor ? changed : changed.adjusted(-1, -1, 1, 1);
}

Rect ImageSurface::ClientRect() const {
    return Rect{0, 0, m_size.width(), m_size.height()};
}

void ImageSurface::BitBlt(int x, int y, int cx, int cy, int bitmapId, RasterOp op) {
    if (op == RasterOp::DestInvert) {
        const QRect box(x, y, cx, cy);
        Paint(box, [&](QPainter& painter) {
            painter.setCompositionMode(QPainter::RasterOp_NotDestination);
            painter.fillRect(Device(box), Qt::black);
        });
        Changed(box);
        return;
    }
    // Only the bitmap's own pixels are drawn; the part of a larger box beyond
    // the bitmap keeps what it shows.
    const QImage& bitmap = m_bitmaps.Bitmap(bitmapId, m_factor);
    const QRect source =
        QRect(0, 0, cx, cy).intersected(QRect(QPoint(0, 0), bitmap.size() / m_factor));
    if (source.isEmpty()) {
        return;
    }
    const QRect box = source.translated(x, y);
    Paint(box, [&](QPainter& painter) {
        painter.setCompositionMode(op == RasterOp::Copy
                                       ? QPainter::CompositionMode_Source
                                       : QPainter::RasterOp_NotSourceOrDestination);
        painter.drawImage(Device(box).topLeft(), bitmap, Device(source));
    });
    Changed(box);
}

void ImageSurface::FillRect(const Rect& rect, ColorRef colour) {
    const QRect box(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    if (box.isEmpty()) {
        return;
    }
    if (box.contains(QRect(QPoint(0, 0), m_size))) {
        m_beyond = QColor(ToRgb(colour));
    }
    Paint(box, [&](QPainter& painter) { painter.fillRect(Device(box), QColor(ToRgb(colour))); });
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
    std::vector<QPoint> points;
    QRect written;
    while (x != x1 || y != y1) {
        points.emplace_back(x, y);
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
    // Each pixel of the line is a whole block of device pixels.
    for (Part& part : m_parts) {
        if (!part.area.intersects(written)) {
            continue;
        }
        for (const QPoint& point : points) {
            const QRect block = Device(QRect(point - part.area.topLeft(), QSize(1, 1)))
                                    .intersected(part.pixels.rect());
            for (int row = block.top(); row <= block.bottom(); ++row) {
                QRgb* line = reinterpret_cast<QRgb*>(part.pixels.scanLine(row));
                std::fill(line + block.left(), line + block.right() + 1, colour);
            }
        }
    }
    Changed(written);
}

void ImageSurface::TextOut(int x, int y, const std::string& text) {
    const QString string = QString::fromStdString(text);
    const QFont font = TableFont(m_factor);
    const QFontMetrics metrics(font, &m_parts.front().pixels);
    // The white box covers whole client pixels around the text.
    const auto whole = [this](int devicePixels) {
        return (devicePixels + m_factor - 1) / m_factor;
    };
    const QRect box(x, y, whole(metrics.horizontalAdvance(string)), whole(metrics.height()));
    Paint(box, [&](QPainter& painter) {
        painter.fillRect(Device(box), Qt::white);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(Device(box), Qt::AlignLeft | Qt::AlignTop, string);
    });
    Changed(box);
}

QRect ImageSurface::DeviceCover(const QRect& area, qreal ratio) {
    const QRectF device(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio);
    const QPoint first(static_cast<int>(std::floor(device.left())),
                       static_cast<int>(std::floor(device.top())));
    const QPoint end(static_cast<int>(std::ceil(device.right())),
                     static_cast<int>(std::ceil(device.bottom())));
    return QRect(first, end - QPoint(1, 1));
}

QRect ImageSurface::Device(const QRect& area) const {
    return QRect(area.topLeft() * m_factor, area.size() * m_factor);
}

void ImageSurface::Paint(const QRect& area, const std::function<void(QPainter&)>& draw) {
    for (Part& part : m_parts) {
        if (part.area.intersects(area)) {
            QPainter painter(&part.pixels);
            painter.translate(-part.area.topLeft() * m_factor);
            draw(painter);
        }
    }
}

void ImageSurface::Changed(const QRect& rect) {
    const QRect visible = rect.intersected(QRect(QPoint(0, 0), m_size));
    if (!visible.isEmpty() && m_onChanged) {
        m_onChanged(visible);
    }
}
