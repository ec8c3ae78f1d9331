#pragma once

#include <QImage>

#include "suit_signs.h"

namespace artgen {

// Jack (11), Queen (12) or King (13): a framed figure whose lower half is its upper half
// turned upside down, in the sixteen standard colours; `factor` (1, 2 or 3) times a card's
// size.
QImage CourtCard(int rank, Suit suit, int factor);

}  // namespace artgen
