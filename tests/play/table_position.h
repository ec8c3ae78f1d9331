#pragma once

#include "game/sol_view.h"

namespace play {

// Where every card lies: the columns, the reserve cells and the home cells.
struct Position {
    Card cards[table::kColumns][table::kRows] = {};
    int top[table::kColumns] = {};
    int cellUsed[table::kCells] = {};

    friend bool operator==(const Position&, const Position&) = default;
};

Position PositionOf(const CSolView& view);

// Puts `position` on the view's table, nothing selected and no press pending.
void Restore(CSolView& view, const Position& position);

// The number of cards on the home cells.
int CardsHome(const Position& position);

}  // namespace play
