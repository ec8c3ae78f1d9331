#pragma once

#include <cassert>

#include "game/sol_view.h"
#include "game/table_rules.h"

// The view's own table as the rules read it. Every place asked for lies on the
// table: a wrong index stops here instead of reading another place's card.
struct ViewTable {
    const CSolView& view;

    int Top(int k) const { return view.m_nTop[ColumnIndex(k)]; }
    Card At(int k, int row) const {
        assert(row >= 0 && row < rules::kColumnRows);
        return view.m_Cards[ColumnIndex(k)][row];
    }
    bool CellUsed(int j) const { return view.m_bCellUsed[CellIndex(j)] != 0; }
    Card Cell(int j) const { return view.m_Cards[CellIndex(j)][table::kCellRow]; }
    Card Home(int suit) const {
        return view.m_Cards[table::kCells + CellIndex(suit)][table::kCellRow];
    }

  private:
    static int ColumnIndex(int k) {
        assert(k >= 0 && k < table::kColumns);
        return k;
    }
    static int CellIndex(int j) {  // of a reserve or a home cell
        assert(j >= 0 && j < table::kCells);
        return j;
    }
};
static_assert(rules::Table<ViewTable>);
