#pragma once

#include "game/sol_view.h"

// What automatic play looks at, for those that must know whether it can move.
namespace moves {

// The lowest rank on the four home cells: 0 while one of them is empty.
int LowestHomeRank(CSolView& view);

// Whether automatic play has a card to send home: a column's top card or a
// reserve card that goes home and is safe there (at most one rank above the
// lowest home cell).
bool AnyCardGoesHomeByItself(CSolView& view);

}  // namespace moves
