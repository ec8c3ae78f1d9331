#pragma once

#include "game/sol_view.h"
#include "game/table_rules.h"

// The view's own table as the rules read it.
struct ViewTable {
    const CSolView& view;

    int Top(int k) const { return view.m_nTop[k]; }
    Card At(int k, int row) const { return view.m_Cards[k][row]; }
    bool CellUsed(int j) const { return view.m_bCellUsed[j] != 0; }
    Card Cell(int j) const { return view.m_Cards[j][table::kCellRow]; }
    Card Home(int suit) const { return view.m_Cards[table::kCells + suit][table::kCellRow]; }
};
static_assert(rules::Table<ViewTable>);
