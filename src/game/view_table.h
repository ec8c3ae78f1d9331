#pragma once

#include <cassert>

#include "game/sol_view.h"
#include "game/table_rules.h"

// The view's own table as the rules read it. Every place asked for lies on the
// table: a wrong index stops here instead of reading another place's card.
struct ViewTable {
    const CSolView& view;

    int Top(int k) const { return view.m_nTop[Checked(k, table::kColumns)]; }
    Card At(int k, int row) const {
        return view.m_Cards[Checked(k, table::kColumns)][Checked(row, rules::kColumnRows)];
    }
    bool CellUsed(int j) const { return view.m_bCellUsed[Checked(j, table::kCells)] != 0; }
    Card Cell(int j) const { return view.m_Cards[Checked(j, table::kCells)][table::kCellRow]; }
    Card Home(int suit) const {
        return view.m_Cards[table::kCells + Checked(suit, table::kCells)][table::kCellRow];
    }

  private:
    static int Checked(int index, int count) {
        assert(table::IsIndex(index, count));
        return index;
    }
};
static_assert(rules::Table<ViewTable>);
