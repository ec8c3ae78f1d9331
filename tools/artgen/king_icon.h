#pragma once

#include <QImage>

namespace artgen {

// The 32 x 32 king between the two rows of cells: head and shoulders, turned toward one
// side. Opaque, since every pixel is drawn onto the table.
QImage KingIcon(bool lookingRight);

}  // namespace artgen
