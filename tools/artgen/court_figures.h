#pragma once

#include <QImage>

#include "suit_signs.h"

namespace artgen {

constexpr int kHalfFigureWidth = 45;
constexpr int kHalfFigureHeight = 40;

// The upper half of the figure of a Jack (11), Queen (12) or King (13) on a white ground:
// head, shoulders and what the figure holds. The robes are blue for the black suits and
// red for the red ones.
QImage HalfFigure(int rank, Suit suit);

}  // namespace artgen
