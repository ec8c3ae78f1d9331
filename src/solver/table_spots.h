#pragma once

#include "game/sol_view.h"
#include "solver/position.h"

// Where a player presses to reach a place of the table: well inside its
// rectangle, clear of every edge and of the overlaps between home cells.
namespace solver {

struct Spot {
    int x;
    int y;
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

// The spot of a place a move names; a home cell by its suit.
inline Spot SpotOf(const CSolView& view, Move::Place place, int index) {
    switch (place) {
        case Move::kColumn:
            return ColumnSpot(view, index);
        case Move::kCell:
            return ReserveSpot(index);
        case Move::kHome:
            break;
    }
    return HomeSpot(index);
}

}  // namespace solver
