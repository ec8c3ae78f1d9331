#include "app/icons/pixel_art_icon.h"

#include <QPixmap>

namespace {
// Enough for the densest screens; larger requests are scaled down from it.
constexpr int kLargestMultiple = 4;
}  // namespace

QIcon PixelArtIcon(const QString& path) {
    const QPixmap picture(path);
    QIcon icon;
    if (picture.isNull()) {
        return icon;
    }
    for (int multiple = 1; multiple <= kLargestMultiple; ++multiple) {
        icon.addPixmap(picture.scaled(picture.size() * multiple, Qt::IgnoreAspectRatio,
                                      Qt::FastTransformation));
    }
    return icon;
}
