#include "game/sol_view.h"
#include "moves/move_steps.h"
#include "moves/table_hits.h"

void CSolView::OnRButtonDown(unsigned, int x, int y) {
    if (m_bPlaying == 0 || m_nSelected != kNothingSelected) {
        return;
    }
    // Only covered cards: the top card is fully visible anyway.
    for (int k = 0; k < table::kColumns; ++k) {
        for (int row = 0; row < m_nTop[k]; ++row) {
            if (hits::InCoveredBand(k, row, x, y)) {
                moves::DrawColumnCard(*this, k, row);
                m_nPeekColumn = k;
                m_nPeekRow = row;
                m_bPeeking = 1;
            }
        }
    }
}

void CSolView::OnRButtonUp(unsigned, int, int) {
    if (m_bPlaying == 0) {
        return;
    }
    UpdateMoveCount();
    if (m_bPeeking == 0) {
        return;
    }
    // Each card again covers the one below it, also when a card has been
    // selected while the button was held: then its mark goes on again.
    const int k = m_nPeekColumn;
    for (int row = m_nPeekRow; row <= m_nTop[k]; ++row) {
        moves::DrawColumnCard(*this, k, row);
    }
    if (m_nSelected == k + 1 && m_nTop[k] >= m_nPeekRow) {
        DrawCard(kSelectionMark, table::ColumnX(k), table::RowY(m_nTop[k]), table::kMarkWidth,
                 table::kMarkHeight, true);
    }
    m_nPeekColumn = 0;
    m_nPeekRow = 0;
    m_bPeeking = 0;
}
