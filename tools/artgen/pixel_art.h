#pragma once

#include <QImage>

#include <map>
#include <span>
#include <string_view>

namespace artgen {

// Which colour each letter of a drawing stands for. Letters missing from the key
// leave the pixel below as it is.
using ColourKey = std::map<char, QRgb>;

// A drawing: rows of letters of equal length.
using ArtRows = std::span<const std::string_view>;

// Paints a drawing given as rows of letters with its top left corner at (x, y).
void PaintArt(QImage& image, int x, int y, ArtRows rows, const ColourKey& key);

// A new image of the drawing's size, `background` wherever the key leaves a pixel open.
QImage ArtImage(ArtRows rows, const ColourKey& key, QRgb background, QImage::Format format);

}  // namespace artgen
