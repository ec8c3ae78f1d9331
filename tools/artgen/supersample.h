#pragma once

#include <QImage>
#include <QPainter>

#include <functional>

namespace artgen {

// A `size` x `size` image with smooth edges, painted by `draw` in a square of
// `designSize` units. It is drawn without anti-aliasing at four times the size and each
// 4 x 4 block is averaged in integers, so the result is the same on every machine.
QImage Supersampled(int size, double designSize, const std::function<void(QPainter&)>& draw);

}  // namespace artgen
