#include "fills.h"

#include "card_frame.h"

namespace artgen {

QImage SolidCard(QRgb colour) {
    QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage CheckerCard(QRgb even, QRgb odd) {
    QImage image = SolidCard(odd);
    for (int y = 0; y < kCardHeight; ++y) {
        for (int x = (y % 2); x < kCardWidth; x += 2) {
            image.setPixel(x, y, even);
        }
    }
    return image;
}

}  // namespace artgen
