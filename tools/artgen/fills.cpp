#include "fills.h"

#include "card_frame.h"

namespace artgen {

QImage SolidCard(QRgb colour, int factor) {
    QImage image(kCardWidth * factor, kCardHeight * factor, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage CheckerCard(QRgb even, QRgb odd, int factor) {
    QImage image = SolidCard(odd, factor);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = (y % 2); x < image.width(); x += 2) {
            image.setPixel(x, y, even);
        }
    }
    return image;
}

}  // namespace artgen
