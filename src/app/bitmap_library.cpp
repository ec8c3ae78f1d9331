#include "app/bitmap_library.h"

#include <QString>

const QImage& BitmapLibrary::Bitmap(int id) {
    auto found = m_decoded.find(id);
    if (found == m_decoded.end()) {
        const QImage image(QStringLiteral(":/bitmaps/%1.png").arg(id));
        found = m_decoded.insert(id, image.convertToFormat(QImage::Format_RGB32));
    }
    return *found;
}
