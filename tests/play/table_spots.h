#pragma once

#include "game/sol_view.h"

// Where a player presses to reach a place of the table: well inside its
// rectangle, clear of every edge and of the overlaps between home cells.
namespace play {

struct Spot {
    int x = 0;
    int y = 0;
};

// The middle of column k's top card, or of the empty column's upper part.
inline Spot ColumnSpot(const CSolView& view, int k) {
    const int top = view.m_nTop[k];
    return {table::ColumnX(k) + 35, top >= 0 ? table::RowY(top) + 48 : 150};
}

inline Spot ReserveSpot(int cell) {
    return {table::ReserveX(cell) + 35, 48};
}

inline Spot HomeSpot(int suit) {
    return {table::HomeX(suit) + 35, 48};
}

// Bare table between the upper row and the columns, outside every rectangle.
constexpr Spot kBareTable{300, 100};

}  // namespace play
