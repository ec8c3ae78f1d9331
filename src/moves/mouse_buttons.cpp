#include "game/sol_view.h"
#include "moves/move_steps.h"
#include "moves/table_hits.h"

void CSolView::OnLButtonDown(unsigned, int x, int y) {
    if (m_bPlaying == 0) {
        return;
    }
    // Whichever operation uses this press clears the flag, so the ones tried
    // after it leave the press alone.
    m_bMouseDown = 1;
    ClickColumn(x, y);
    ClickReserveCell(x, y);
    ClickHomeCell(x, y);
}

void CSolView::OnLButtonUp(unsigned, int, int) {
    if (m_bPlaying == 0) {
        return;
    }
    m_bMouseDown = 0;
    if (m_nSelected == kNothingSelected) {
        m_bAutoPlay = 1;
    }
    UpdateMoveCount();
    m_platform.window.SetPointer(m_hArrowCursor);
}

void CSolView::ClickColumn(int x, int y) {
    for (int k = 0; k < table::kColumns; ++k) {
        if (!hits::InColumn(*this, k, x, y)) {
            continue;
        }
        ClickEmptyColumn(k);
        ToggleColumnSelection(k);
        if (m_nSelected != k + 1 && m_bMouseDown == 1 && m_nTop[k] >= 0) {
            MoveCellCardToColumn(k);
            MoveRunToColumn(k);
        }
    }
}

void CSolView::ToggleColumnSelection(int k) {
    const int top = m_nTop[k];
    if (m_bMouseDown != 1 || top < 0) {
        return;
    }
    if (m_nSelected == kNothingSelected) {
        DrawCard(kSelectionMark, table::ColumnX(k), table::RowY(top), table::kMarkWidth,
                 table::kMarkHeight, true);
        m_bMouseDown = 0;
        m_nSelected = k + 1;
    } else if (m_nSelected == k + 1) {
        moves::DrawColumnCard(*this, k, top);
        moves::EndMove(*this);
    }
}
