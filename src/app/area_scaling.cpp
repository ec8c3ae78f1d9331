#include "app/area_scaling.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {
struct Weight {
    int index;  // in the source image
    qreal weight;
};

// For each of `count` device pixels from `first` on, the source pixels it covers.
std::vector<std::vector<Weight>> Weights(qreal step, int first, int count, int sourceFirst,
                                         int sourceCount) {
    std::vector<std::vector<Weight>> all;
    for (int d = first; d < first + count; ++d) {
        const qreal from = d * step;
        const qreal to = (d + 1) * step;
        std::vector<Weight> covered;
        for (int s = static_cast<int>(std::floor(from)); s < to; ++s) {
            const qreal weight = (std::min<qreal>(s + 1, to) - std::max<qreal>(s, from)) / step;
            covered.push_back({std::clamp(s - sourceFirst, 0, sourceCount - 1), weight});
        }
        all.push_back(std::move(covered));
    }
    return all;
}
}  // namespace

QImage AreaScaled(const QImage& source, QPoint sourceOrigin, const QRect& device, qreal step) {
    const auto columns =
        Weights(step, device.left(), device.width(), sourceOrigin.x(), source.width());
    const auto rows =
        Weights(step, device.top(), device.height(), sourceOrigin.y(), source.height());
    QImage scaled(device.size(), QImage::Format_RGB32);
    for (int y = 0; y < device.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(scaled.scanLine(y));
        for (int x = 0; x < device.width(); ++x) {
            qreal red = 0, green = 0, blue = 0;
            for (const Weight& row : rows[static_cast<std::size_t>(y)]) {
                const QRgb* sourceLine =
                    reinterpret_cast<const QRgb*>(source.constScanLine(row.index));
                for (const Weight& column : columns[static_cast<std::size_t>(x)]) {
                    const QRgb pixel = sourceLine[column.index];
                    const qreal weight = row.weight * column.weight;
                    red += qRed(pixel) * weight;
                    green += qGreen(pixel) * weight;
                    blue += qBlue(pixel) * weight;
                }
            }
            line[x] = qRgb(qRound(red), qRound(green), qRound(blue));
        }
    }
    return scaled;
}
