#include "game/sol_view.h"
#include "game/view_table.h"
#include "moves/move_steps.h"

void CSolView::AutoPlay() {
    if (rules::AllHome(ViewTable{*this})) {
        OnGameWon();
    }

    // Each place offers one card per tick; a card uncovered now waits for the next.
    m_nAutoSource = 0;
    for (int column = 0; column < table::kColumns; ++column) {
        if (m_nTop[column] < 0) {
            continue;
        }
        const Card card = m_Cards[column][m_nTop[column]];
        if (moves::GoesHome(*this, card)) {
            AutoMoveToHome(column, card.nSuit);
        }
    }

    m_nAutoSource = 1;
    for (int cell = 0; cell < table::kCells; ++cell) {
        const Card card = m_Cards[cell][table::kCellRow];
        if (moves::GoesHome(*this, card)) {
            AutoMoveToHome(cell, card.nSuit);
        }
    }
}

void CSolView::AutoMoveToHome(int nFrom, int nHome) {
    // Safe only while no home cell lags more than one rank behind: then no
    // card still on the table could want to be built on this one.
    m_nMinHome = rules::MinHome(ViewTable{*this});

    if (m_nAutoSource == 0) {
        const int top = m_nTop[nFrom];
        if (top < 0) {
            return;
        }
        if (!rules::SafeForHome(m_Cards[nFrom][top].nRank, m_nMinHome)) {
            return;
        }
        moves::SendHome(*this, {moves::Source::kColumn, nFrom}, nHome);
        moves::DropSelection(*this, nFrom + 1);
        return;
    }

    const Card card = moves::ReserveCell(*this, nFrom);
    if (card.nRank == 0 || !rules::SafeForHome(card.nRank, m_nMinHome)) {
        return;
    }
    moves::SendHome(*this, {moves::Source::kReserve, nFrom}, nHome);
    moves::DropSelection(*this, kFirstReserveSelection + nFrom);
}
