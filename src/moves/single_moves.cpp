#include "game/sol_view.h"
#include "game/view_table.h"
#include "moves/move_steps.h"
#include "moves/table_hits.h"
#include "render/cell_cards.h"

void CSolView::ClickReserveCell(int x, int y) {
    const int cell = hits::ReserveCellAt(x, y);
    if (cell < 0) {
        return;
    }

    // The selected column's top card goes into the pressed cell if it is free.
    if (moves::IsColumnSelection(m_nSelected) && m_bCellUsed[cell] == 0 &&
        m_nTop[m_nSelected - 1] >= 0) {
        moves::TopCardToCell(*this, m_nSelected - 1, cell);
        return;
    }

    if (m_bMouseDown != 1 || m_bCellUsed[cell] != 1) {
        return;
    }
    if (m_nSelected == kNothingSelected) {
        cells::DrawMark(*this, cell);
        m_bMouseDown = 0;
        m_nSelected = kFirstReserveSelection + cell;
    } else if (m_nSelected == kFirstReserveSelection + cell) {
        cells::DrawFace(*this, moves::ReserveCell(*this, cell), cell);
        moves::EndMove(*this);
    }
}

void CSolView::ClickHomeCell(int x, int y) {
    // Only the leftmost home cell under the point is tried, even where two overlap.
    const int home = hits::HomeCellAt(x, y);
    if (home < 0) {
        return;
    }

    const bool fromCell = moves::IsReserveSelection(m_nSelected);
    if (!fromCell && !(moves::IsColumnSelection(m_nSelected) && m_nTop[m_nSelected - 1] >= 0)) {
        return;
    }
    const moves::Source from =
        fromCell ? moves::Source{moves::Source::kReserve, m_nSelected - kFirstReserveSelection}
                 : moves::Source{moves::Source::kColumn, m_nSelected - 1};
    const Card card = moves::CardAt(*this, from);
    if (!rules::GoesToHomeCell(ViewTable{*this}, card, home)) {
        return;
    }
    moves::SendHome(*this, from, home);
    moves::EndMove(*this);
}

void CSolView::MoveCellCardToColumn(int k) {
    if (!moves::IsReserveSelection(m_nSelected)) {
        return;
    }
    const int cell = m_nSelected - kFirstReserveSelection;
    const Card card = moves::ReserveCell(*this, cell);
    if (!rules::CellCardGoesOn(ViewTable{*this}, card, k)) {
        return;
    }
    const int top = m_nTop[k];
    DrawCardFace(card, table::ColumnX(k), table::RowY(top + 1), moves::kBoxWidth,
                 moves::kBoxHeight);
    m_nTop[k] = top + 1;
    m_Cards[k][top + 1] = card;
    moves::ClearReserveCell(*this, cell);
    moves::EndMove(*this);
}

void CSolView::MoveCardToEmptyColumn(int k) {
    if (!moves::IsColumnSelection(m_nSelected) || !rules::TakesAnyCard(ViewTable{*this}, k) ||
        m_nTop[m_nSelected - 1] < 0) {
        return;
    }
    moves::StartColumn(*this, k, {moves::Source::kColumn, m_nSelected - 1},
                       table::kEmptiedToColumn);
}
