#pragma once

#include "game/sol_view.h"
#include "game/table_rules.h"

// A run is carried over card by card: its upper cards are shown for a moment
// in the free places (P0, P1, ... in list order) while the deeper ones are
// stacked. The places themselves stay free in the model.
namespace moves {

// Free-place codes: 0..3 a reserve cell, 10..17 an empty column (index + 10).
constexpr int kFirstFreeColumnCode = 10;

using rules::kNoColumnExcluded;

// The free places in list order: empty reserve cells, then empty columns other
// than `excludedColumn`.
struct FreeList {
    int codes[table::kCells + table::kColumns] = {};
    int count = 0;
};
FreeList ListFreePlaces(const CSolView& view, int excludedColumn);

// Draws the top `count` cards of column `source` into P0, P1, ..., the top
// card first.
void ParkCards(CSolView& view, const FreeList& places, int source, int count);

// Erases P0 .. P(count - 1) in list order, then restores the cell frames.
void ClearParkedCards(CSolView& view, const FreeList& places, int count);

}  // namespace moves
