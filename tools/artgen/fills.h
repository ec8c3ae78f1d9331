#pragma once

#include <QImage>

namespace artgen {

// An image of one colour, `factor` (1, 2 or 3) times a card's size.
QImage SolidCard(QRgb colour, int factor);

// The same size, a checkerboard of single pixels at that density: `even` where x + y is
// even, `odd` where it is odd.
QImage CheckerCard(QRgb even, QRgb odd, int factor);

}  // namespace artgen
