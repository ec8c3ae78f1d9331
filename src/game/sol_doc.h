#pragma once

#include "game/card.h"

// The document: the constant tables that turn a game number into a deal.
class CSolDoc {
  public:
    static const Card m_BaseCards[52];
    static const int m_Perm[30][52];

    // Game numbers 0..45899 can be dealt.
    static constexpr int kLastGameNumber = 45899;

    // The k-th card (0..51) that game `gameNumber` deals.
    static Card DealtCard(int gameNumber, int k);
};
