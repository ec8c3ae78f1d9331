#pragma once

#include <QImage>

#include "suit_signs.h"

namespace artgen {

// Ace to Ten: two colours only, white and the suit's ink, so the card tints work. The
// image is `factor` (1, 2 or 3) times the card's size, for screens of that density.
QImage PlainCard(int rank, Suit suit, int factor);

}  // namespace artgen
