#pragma once

#include <QColor>

#include "mask.h"

namespace artgen {

// In the order of the card codes: clubs 1..13, spades 14..26, hearts 27..39, diamonds 40..52.
enum class Suit { Clubs, Spades, Hearts, Diamonds };

constexpr bool IsRed(Suit suit) {
    return suit == Suit::Hearts || suit == Suit::Diamonds;
}

// The one ink of the suit's plain cards: pure black or pure red.
QRgb InkOf(Suit suit);

// The suit sign drawn to fill a box of the given size.
Mask SuitSign(Suit suit, int width, int height);

// The sign of the corner index, 7 x 7 pixels times `factor` (1, 2 or 3): drawn pixel by
// pixel for legibility at one, the shape of the pips where there are pixels enough.
Mask SmallSuitSign(Suit suit, int factor);

}  // namespace artgen
