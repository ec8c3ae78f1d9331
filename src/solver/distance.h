#pragma once

#include <array>

#include "solver/position.h"

namespace solver {

// What counts against a table on its way to a win, card by card.
struct Weights {
    int cardOut = 0;       // a card not yet home
    int cellUsed = 0;      // a reserve cell in use
    int emptyColumn = 0;   // taken off for an empty column
    int onNext = 0;        // a card lying on the next card a home cell needs
    int outOfRun = 0;      // a card that does not fit on the one below it
    int lowestBehind = 0;  // a rank the lowest home cell still lacks
    int aboveLower = 0;    // a card lying above a lower rank: it must move once
    int looseAbove = 0;    // the same, not fitting on the card below it
};

// Lower is closer to a win.
int Distance(const Position& position, const Weights& weights);

// The distances of the tables one move from a table. A move changes only
// the columns whose top it moves, unless a card goes home, so only those are
// weighed again.
class DistanceFrom {
  public:
    DistanceFrom(const Position& from, const Weights& weights);
    int Of(const Position& next) const;
    // The same from `next`, a table one move away.
    DistanceFrom Next(const Position& next) const;

  private:
    // Whether the columns of `next` that kept their tops weigh what they did:
    // only a card gone home can change that, and only when the cards on the
    // next card for home count.
    bool ColumnsKeep(const Position& next) const;

    const Weights* m_weights;
    ColumnTops m_tops;
    std::array<std::uint8_t, rules::kCells> m_home;
    std::array<int, rules::kColumns> m_column{};
    int m_columns = 0;
};

}  // namespace solver
