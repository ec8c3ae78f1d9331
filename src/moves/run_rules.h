#pragma once

#include "game/sol_view.h"
#include "game/table_rules.h"

// Which cards may move together from one column onto another.
namespace moves {

// No more cards than this move in one action, however many places are free.
constexpr int kLongestRun = rules::kLongestRun;

// How many cards at the top of column k form a run (each fits on the card
// below it), counting at most `limit`; 0 for an empty column.
int TopRunLength(const CSolView& view, int k, int limit);

// The number of cards that a press on column `target` would carry over from
// column `source` with `freePlaces` places to park in, or 0 when none would.
// The target's top card fixes the length; the run must be whole, fit on it and
// need no more than the free places plus one.
int FittingRunLength(const CSolView& view, int source, int target, int freePlaces);

}  // namespace moves
