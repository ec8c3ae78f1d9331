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

// The 7 x 7 sign of the corner index, drawn pixel by pixel for legibility at that size.
Mask SmallSuitSign(Suit suit);

}  // namespace artgen
