#pragma once

#include <QImage>

#include "mask.h"
#include "suit_signs.h"

namespace artgen {

constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;

// A white card with a one-pixel border and rounded corners. The pixels outside the
// rounding take the border colour too: the whole box is copied onto the table.
QImage BlankCard(QRgb border);

// Paints `mask` at (x, y) and again upside down where half a turn of the card takes it.
void PaintBothWays(QImage& card, const Mask& mask, int x, int y, QRgb ink);

// Rank over suit sign in the top left corner, and the same upside down in the bottom
// right. It fits in the top 17 rows, the strip that stays visible under the next card.
// `card` is `factor` (1, 2 or 3) times a card's size.
void PaintCornerIndex(QImage& card, int rank, Suit suit, QRgb ink, int factor);

}  // namespace artgen
