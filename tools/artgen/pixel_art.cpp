#include "pixel_art.h"

namespace artgen {

void PaintArt(QImage& image, int x, int y, ArtRows rows, const ColourKey& key) {
    int row = 0;
    for (std::string_view line : rows) {
        for (std::size_t column = 0; column < line.size(); ++column) {
            if (const auto found = key.find(line[column]); found != key.end()) {
                image.setPixel(x + static_cast<int>(column), y + row, found->second);
            }
        }
        ++row;
    }
}

QImage ArtImage(ArtRows rows, const ColourKey& key, QRgb background, QImage::Format format) {
    QImage image(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()), format);
    image.fill(background);
    PaintArt(image, 0, 0, rows, key);
    return image;
}

}  // namespace artgen
