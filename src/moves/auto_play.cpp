#include "moves/auto_play.h"

#include <algorithm>

#include "moves/move_steps.h"
#include "render/cell_cards.h"

namespace {
constexpr int kKing = 13;

bool AllHomeCellsComplete(CSolView& view) {
    for (int suit = 0; suit < table::kCells; ++suit) {
        if (moves::HomeCell(view, suit).nRank != kKing) {
            return false;
        }
    }
    return true;
}
}  // namespace

int moves::LowestHomeRank(CSolView& view) {
    int lowest = HomeCell(view, 0).nRank;
    for (int suit = 1; suit < table::kCells; ++suit) {
        lowest = std::min(lowest, HomeCell(view, suit).nRank);
    }
    return lowest;
}

bool moves::AnyCardGoesHomeByItself(CSolView& view) {
    const int safeRank = LowestHomeRank(view) + 1;
    const auto goes = [&](const Card& card) {
        return GoesHome(view, card) && card.nRank <= safeRank;
    };
    for (int column = 0; column < table::kColumns; ++column) {
        if (view.m_nTop[column] >= 0 && goes(TopCard(view, column))) {
            return true;
        }
    }
    for (int cell = 0; cell < table::kCells; ++cell) {
        if (goes(ReserveCell(view, cell))) {
            return true;
        }
    }
    return false;
}

void CSolView::AutoPlay() {
    if (AllHomeCellsComplete(*this)) {
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
    m_nMinHome = moves::LowestHomeRank(*this);

    if (m_nAutoSource == 0) {
        const int top = m_nTop[nFrom];
        if (top < 0) {
            return;
        }
        const Card card = m_Cards[nFrom][top];
        if (card.nRank > m_nMinHome + 1) {
            return;
        }
        cells::DrawFace(*this, card, table::kCells + nHome);
        moves::HomeCell(*this, nHome) = card;
        moves::LiftTopCard(*this, nFrom, moves::kEmptiedToUpperRow);
        moves::DropSelection(*this, nFrom + 1);
        return;
    }

    const Card card = moves::ReserveCell(*this, nFrom);
    if (card.nRank == 0 || card.nRank > m_nMinHome + 1) {
        return;
    }
    cells::DrawFace(*this, card, table::kCells + nHome);
    moves::HomeCell(*this, nHome) = card;
    moves::ClearReserveCell(*this, nFrom);
    moves::DropSelection(*this, kFirstReserveSelection + nFrom);
}
