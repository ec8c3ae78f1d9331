#include "app/bitmap_library.h"

#include <algorithm>
#include <cmath>

int ArtworkFactor(qreal devicePixelRatio) {
    constexpr int kLargestFactor = 3;
    // A ratio a rounding error above a whole one is that whole one.
    constexpr qreal kRoundingError = 1e-3;
    return std::clamp(static_cast<int>(std::ceil(devicePixelRatio - kRoundingError)), 1,
                      kLargestFactor);
}

QString ArtworkPath(const QString& folder, int id, int factor) {
    return factor == 1 ? QStringLiteral(":/%1/%2.png").arg(folder).arg(id)
                       : QStringLiteral(":/%1/%2@%3x.png").arg(folder).arg(id).arg(factor);
}

const QImage& BitmapLibrary::Bitmap(int id, int factor) {
    const std::pair key(id, factor);
    auto found = m_decoded.find(key);
    if (found == m_decoded.end()) {
        QImage image(ArtworkPath(QStringLiteral("bitmaps"), id, factor));
        // The surface places device pixels itself: not scaled again by the "@2x" in the name.
        image.setDevicePixelRatio(1);
        found = m_decoded.insert(key, image.convertToFormat(QImage::Format_RGB32));
    }
    return *found;
}
