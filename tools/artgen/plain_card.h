#pragma once

#include <QImage>

#include "suit_signs.h"

namespace artgen {

// Ace to Ten: two colours only, white and the suit's ink, so the card tints work.
QImage PlainCard(int rank, Suit suit);

}  // namespace artgen
