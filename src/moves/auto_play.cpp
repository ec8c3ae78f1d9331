#include <algorithm>

#include "game/sol_view.h"

namespace {
constexpr int kKing = 13;
// Box of a card drawn over its place: covers the card and any selection mark.
constexpr int kCardBoxWidth = 75;
constexpr int kCardBoxHeight = 95;

Card& HomeCell(CSolView& view, int suit) {
    return view.m_Cards[table::kCells + suit][table::kCellRow];
}

// A card is due when it is the next one its home cell takes.
bool IsDueHome(CSolView& view, const Card& card) {
    return card.nRank - 1 == HomeCell(view, card.nSuit).nRank;
}

bool AllHomeCellsComplete(CSolView& view) {
    for (int suit = 0; suit < table::kCells; ++suit) {
        if (HomeCell(view, suit).nRank != kKing) {
            return false;
        }
    }
    return true;
}

void DrawCardAt(CSolView& view, const Card& card, int x, int y) {
    view.m_nCardCode = CardCode(card);
    view.DrawCard(view.m_nCardCode, x, y, kCardBoxWidth, kCardBoxHeight, false);
}

// An automatic move drops whatever the player had selected. Unless the mark
// went away with the move itself (`markGoneWith`), draw the marked card again
// plainly so the table shows no selection that no longer exists.
void DropSelection(CSolView& view, int markGoneWith) {
    const int selected = view.m_nSelected;
    view.m_nSelected = kNothingSelected;
    view.m_bMouseDown = 0;
    if (selected == kNothingSelected || selected == markGoneWith) {
        return;
    }
    if (selected >= kFirstReserveSelection) {
        const int cell = selected - kFirstReserveSelection;
        DrawCardAt(view, view.m_Cards[cell][table::kCellRow], table::ReserveX(cell), 0);
    } else {
        const int column = selected - 1;
        const int top = view.m_nTop[column];
        DrawCardAt(view, view.m_Cards[column][top], table::ColumnX(column), table::RowY(top));
    }
}
}  // namespace

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
        if (IsDueHome(*this, card)) {
            AutoMoveToHome(column, card.nSuit);
        }
    }

    m_nAutoSource = 1;
    for (int cell = 0; cell < table::kCells; ++cell) {
        const Card card = m_Cards[cell][table::kCellRow];
        if (IsDueHome(*this, card)) {
            AutoMoveToHome(cell, card.nSuit);
        }
    }
}

void CSolView::AutoMoveToHome(int nFrom, int nHome) {
    // Safe only while no home cell lags more than one rank behind: then no
    // card still on the table could want to be built on this one.
    m_nMinHome = HomeCell(*this, 0).nRank;
    for (int suit = 1; suit < table::kCells; ++suit) {
        m_nMinHome = std::min(m_nMinHome, HomeCell(*this, suit).nRank);
    }

    if (m_nAutoSource == 0) {
        const int top = m_nTop[nFrom];
        if (top < 0) {
            return;
        }
        Card& card = m_Cards[nFrom][top];
        if (card.nRank > m_nMinHome + 1) {
            return;
        }
        DrawCardAt(*this, card, table::HomeX(nHome), 0);
        HomeCell(*this, nHome) = card;

        const int left = table::ColumnX(nFrom);
        const int right = left + kCardBoxWidth;
        // The part of the leaving card that the card below it does not cover.
        EraseRect(left, right, 185 + table::kRowStep * top, 210 + table::kRowStep * top);
        card = Card{};
        m_nTop[nFrom] = std::max(top - 1, -1);
        if (m_nTop[nFrom] < 0) {
            EraseRect(left, right, table::kColumnTop, 210);
        } else {
            DrawCardAt(*this, m_Cards[nFrom][top - 1], left, table::RowY(top - 1));
        }
        DropSelection(*this, nFrom + 1);
        return;
    }

    Card& card = m_Cards[nFrom][table::kCellRow];
    if (card.nRank == 0 || card.nRank > m_nMinHome + 1) {
        return;
    }
    DrawCardAt(*this, card, table::HomeX(nHome), 0);
    HomeCell(*this, nHome) = card;

    EraseRect(table::ReserveX(nFrom), table::ReserveX(nFrom) + 70, 0, 95);
    DrawCellFrames();
    card = Card{};
    m_bCellUsed[nFrom] = 0;
    DropSelection(*this, kFirstReserveSelection + nFrom);
}
