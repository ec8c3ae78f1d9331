#pragma once

// One card: rank 1 (Ace) .. 13 (King), suit 0 clubs, 1 spades, 2 hearts,
// 3 diamonds. An empty place holds {0, 0}.
struct Card {
    int nRank = 0;
    int nSuit = 0;

    friend bool operator==(const Card&, const Card&) = default;
};

// The card's face bitmap id, 1..52.
constexpr int CardCode(const Card& card) {
    return card.nSuit * 13 + card.nRank;
}

// Clubs and spades are black (0), hearts and diamonds red (1).
constexpr int ColourOf(int suit) {
    return suit <= 1 ? 0 : 1;
}

constexpr bool SameColour(int suitA, int suitB) {
    return ColourOf(suitA) == ColourOf(suitB);
}

// `upper` may lie on `lower` in a column: one rank lower, the other colour.
constexpr bool FitsOn(const Card& upper, const Card& lower) {
    return upper.nRank + 1 == lower.nRank && !SameColour(upper.nSuit, lower.nSuit);
}
