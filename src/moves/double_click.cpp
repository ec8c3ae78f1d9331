#include <algorithm>
#include <iterator>
#include <string>

#include "game/sol_view.h"
#include "moves/move_steps.h"
#include "moves/table_hits.h"

namespace {
constexpr int kKingTurnMilliseconds = 400;
constexpr int kKingTurns = 2;
}  // namespace

void CSolView::OnLButtonDblClk(unsigned, int x, int y) {
    if (m_bPlaying == 0) {
        return;
    }
    if (hits::InKingBox(x, y)) {
        // The king looks left and right twice, then the game number is shown.
        for (int turn = 0; turn < kKingTurns; ++turn) {
            m_platform.window.Sleep(kKingTurnMilliseconds);
            m_bPointerRight = 0;
            DrawKingBox();
            m_platform.window.Sleep(kKingTurnMilliseconds);
            m_bPointerRight = 1;
            DrawKingBox();
        }
        m_platform.window.MessageBox(std::to_string(m_nGameNumber), "Game Number");
        return;
    }
    if (m_DblClk == 0) {
        return;
    }

    const int* const firstFree = std::ranges::find(m_bCellUsed, 0);
    if (firstFree == std::end(m_bCellUsed)) {
        return;
    }
    const int cell = static_cast<int>(firstFree - m_bCellUsed);
    const int column = hits::ColumnAt(*this, x, y);
    const bool mayMove = m_nSelected == kNothingSelected || m_nSelected == column + 1;
    if (column < 0 || !mayMove || m_nTop[column] < 0) {
        return;
    }
    moves::TopCardToCell(*this, column, cell);
}

void CSolView::OnRButtonDblClk(unsigned, int x, int y) {
    if (m_bPlaying == 0 || m_Rclk == 0 || m_nSelected != kNothingSelected) {
        return;
    }
    m_nAutoSource = 0;
    for (int k = 0; k < table::kColumns; ++k) {
        if (m_nTop[k] >= 0 && hits::InTopCard(*this, k, x, y)) {
            const Card card = moves::TopCard(*this, k);
            if (moves::GoesHome(*this, card)) {
                SendCardHome(k, card.nSuit);
            }
        }
    }
    m_nAutoSource = 1;
    for (int cell = 0; cell < table::kCells; ++cell) {
        // An empty cell holds {0, 0}, which never goes home.
        const Card card = moves::ReserveCell(*this, cell);
        if (hits::InReserveCard(cell, x, y) && moves::GoesHome(*this, card)) {
            SendCardHome(cell, card.nSuit);
        }
    }
    CheckGameLost();
}

void CSolView::SendCardHome(int nSource, int nSuit) {
    // m_nAutoSource tells whether nSource is a column or a reserve cell.
    const bool fromCell = m_nAutoSource == 1;
    if (!fromCell && m_nTop[nSource] < 0) {
        return;
    }
    moves::SendHome(*this, {fromCell ? moves::Source::kReserve : moves::Source::kColumn, nSource},
                    nSuit);
    moves::EndMove(*this);
}
