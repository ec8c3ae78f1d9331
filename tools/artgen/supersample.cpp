#include "supersample.h"

#include "palette.h"

namespace artgen {
namespace {

constexpr int kFactor = 4;
constexpr int kSamples = kFactor * kFactor;

// Averages premultiplied samples and returns a straight-alpha pixel.
QRgb Average(const QImage& big, int x, int y) {
    int red = 0, green = 0, blue = 0, alpha = 0;
    for (int dy = 0; dy < kFactor; ++dy) {
        for (int dx = 0; dx < kFactor; ++dx) {
            const QRgb sample = big.pixel(x * kFactor + dx, y * kFactor + dy);
            const int a = qAlpha(sample);
            alpha += a;
            red += qRed(sample) * a;
            green += qGreen(sample) * a;
            blue += qBlue(sample) * a;
        }
    }
    if (alpha == 0) {
        return colour::kClear;
    }
    auto channel = [alpha](int weighted) { return (weighted + alpha / 2) / alpha; };
    return qRgba(channel(red), channel(green), channel(blue), (alpha + kSamples / 2) / kSamples);
}

}  // namespace

QImage Supersampled(int size, double designSize, const std::function<void(QPainter&)>& draw) {
    // Straight alpha and only opaque paint, so every sample is exact.
    QImage big(size * kFactor, size * kFactor, QImage::Format_ARGB32);
    big.fill(colour::kClear);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.scale(size * kFactor / designSize, size * kFactor / designSize);
        draw(painter);
    }
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            image.setPixel(x, y, Average(big, x, y));
        }
    }
    return image;
}

}  // namespace artgen
