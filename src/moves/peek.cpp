#include "game/sol_view.h"
#include "moves/move_steps.h"
#include "moves/table_hits.h"

namespace {
// A peeked card is drawn whole, taller than its place so nothing of it is cut.
constexpr int kPeekWidth = 70;
constexpr int kPeekHeight = 100;
}  // namespace

void CSolView::OnRButtonDown(unsigned, int x, int y) {
    if (m_bPlaying == 0 || m_nSelected != kNothingSelected) {
        return;
    }
    // Only covered cards: the top card is fully visible anyway.
    for (int k = 0; k < table::kColumns; ++k) {
        for (int row = 0; row < m_nTop[k]; ++row) {
            if (hits::InCoveredBand(k, row, x, y)) {
                moves::DrawFace(*this, m_Cards[k][row], table::ColumnX(k), table::RowY(row),
                                kPeekWidth, kPeekHeight);
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
    if (m_nSelected != kNothingSelected || m_bPeeking == 0) {
        return;
    }
    // Each card again covers the one below it.
    for (int row = m_nPeekRow; row <= m_nTop[m_nPeekColumn]; ++row) {
        moves::DrawFace(*this, m_Cards[m_nPeekColumn][row], table::ColumnX(m_nPeekColumn),
                        table::RowY(row), kPeekWidth, kPeekHeight);
    }
    m_nPeekColumn = 0;
    m_nPeekRow = 0;
    m_bPeeking = 0;
}
