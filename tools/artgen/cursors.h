#pragma once

#include <QImage>
#include <QPoint>

namespace artgen {

// The pointer over a column that would take the selected cards: a thick white arrow
// with a black outline, pointing down, 32 x 32.
QImage DropCursor();
constexpr QPoint kDropCursorTip(13, 25);

// The pointer over an empty column: a thin black arrow with a white outline, pointing up.
QImage EmptyCursor();
constexpr QPoint kEmptyCursorTip(14, 6);

}  // namespace artgen
