#pragma once

#include <QImage>

namespace artgen {

// A card-sized image of one colour.
QImage SolidCard(QRgb colour);

// A card-sized checkerboard: `even` where x + y is even, `odd` where it is odd.
QImage CheckerCard(QRgb even, QRgb odd);

}  // namespace artgen
