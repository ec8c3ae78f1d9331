#include "suit_signs.h"

#include <cmath>

#include "palette.h"

namespace artgen {
namespace {

bool InCircle(double u, double v, double centreU, double centreV, double radius) {
    return (u - centreU) * (u - centreU) + (v - centreV) * (v - centreV) <= radius * radius;
}

// Two round lobes on top, sides curving in to a point at the bottom.
bool InHeart(double u, double v) {
    constexpr double kLobeRadius = 0.255;
    constexpr double kLobeV = 0.28;
    if (InCircle(std::fabs(u), v, 0.245, kLobeV, kLobeRadius)) {
        return true;
    }
    if (v < kLobeV) {
        return false;
    }
    const double t = (v - kLobeV) / (1.0 - kLobeV);
    return std::fabs(u) <= 0.5 * (1.0 - t) * (1.0 + 0.55 * t);
}

// A flared stem under the middle, from `top` down to the bottom edge.
bool InStem(double u, double v, double top) {
    if (v < top) {
        return false;
    }
    const double t = (v - top) / (1.0 - top);
    return std::fabs(u) <= 0.05 + 0.17 * t * t;
}

// A heart upside down over a stem.
bool InSpade(double u, double v) {
    constexpr double kBodyHeight = 0.8;
    return (v <= kBodyHeight && InHeart(u, (kBodyHeight - v) / kBodyHeight)) || InStem(u, v, 0.6);
}

// Three round leaves over a stem.
bool InClub(double u, double v) {
    constexpr double kLeafRadius = 0.205;
    return InCircle(u, v, 0.0, 0.22, kLeafRadius) ||
           InCircle(std::fabs(u), v, 0.285, 0.56, kLeafRadius) || InCircle(u, v, 0.0, 0.5, 0.12) ||
           InStem(u, v, 0.55);
}

// A lozenge with straight sides.
bool InDiamond(double u, double v) {
    const double across = std::fabs(u) / 0.5;
    const double down = std::fabs(v - 0.5) / 0.5;
    return across + down <= 1.0;
}

}  // namespace

QRgb InkOf(Suit suit) {
    return IsRed(suit) ? colour::kRed : colour::kBlack;
}

Mask SuitSign(Suit suit, int width, int height) {
    switch (suit) {
        case Suit::Clubs:
            return Mask::Sampled(width, height, InClub);
        case Suit::Spades:
            return Mask::Sampled(width, height, InSpade);
        case Suit::Hearts:
            return Mask::Sampled(width, height, InHeart);
        case Suit::Diamonds:
            return Mask::Sampled(width, height, InDiamond);
    }
    return Mask(width, height);
}

Mask SmallSuitSign(Suit suit, int factor) {
    constexpr int kSize = 7;
    if (factor > 1) {
        return SuitSign(suit, kSize * factor, kSize * factor);
    }
    switch (suit) {
        case Suit::Clubs:
            return Mask::FromRows({"..###..",  //
                                   "..###..",  //
                                   "##.#.##",  //
                                   "#######",  //
                                   "##.#.##",  //
                                   "...#...",  //
                                   "..###.."});
        case Suit::Spades:
            return Mask::FromRows({"...#...",  //
                                   "..###..",  //
                                   ".#####.",  //
                                   "#######",  //
                                   "#######",  //
                                   ".#.#.#.",  //
                                   "..###.."});
        case Suit::Hearts:
            return Mask::FromRows({".##.##.",  //
                                   "#######",  //
                                   "#######",  //
                                   "#######",  //
                                   ".#####.",  //
                                   "..###..",  //
                                   "...#..."});
        case Suit::Diamonds:
            return Mask::FromRows({"...#...",  //
                                   "..###..",  //
                                   ".#####.",  //
                                   "#######",  //
                                   ".#####.",  //
                                   "..###..",  //
                                   "...#..."});
    }
    return Mask(kSize, kSize);
}

}  // namespace artgen
