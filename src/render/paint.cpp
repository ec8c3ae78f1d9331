#include <string>

#include "game/sol_view.h"
#include "render/cell_cards.h"

namespace {
// The selection mark's box: the inverted area is exactly one card.
constexpr int kMarkWidth = 75;
constexpr int kMarkHeight = 95;

int HomeCellsHolding(const CSolView& view, int rank, int suit) {
    int count = 0;
    for (int home = 0; home < table::kCells; ++home) {
        const Card& top = view.m_Cards[table::kCells + home][table::kCellRow];
        if (top.nRank != 0 && top.nRank == rank && top.nSuit == suit) {
            ++count;
        }
    }
    return count;
}

// Destinations for `card` among the column tops: one rank higher, other colour.
int ColumnsTaking(const CSolView& view, const Card& card) {
    int count = 0;
    for (int column = 0; column < table::kColumns; ++column) {
        if (view.m_nTop[column] >= 0 && FitsOn(card, view.m_Cards[column][view.m_nTop[column]])) {
            ++count;
        }
    }
    return count;
}

int MovesFromReserveCells(const CSolView& view) {
    int count = 0;
    for (int cell = 0; cell < table::kCells; ++cell) {
        if (view.m_bCellUsed[cell] == 0) {
            ++count;
            continue;
        }
        const Card& card = view.m_Cards[cell][table::kCellRow];
        count += ColumnsTaking(view, card);
        count += HomeCellsHolding(view, card.nRank - 1, card.nSuit);
    }
    return count;
}

int MovesFromColumns(const CSolView& view) {
    int count = 0;
    for (int source = 0; source < table::kColumns; ++source) {
        const int top = view.m_nTop[source];
        if (top == -1) {
            ++count;
            continue;
        }
        const Card& card = view.m_Cards[source][top];
        for (int target = 0; target < table::kColumns; ++target) {
            if (view.m_nTop[target] < 0) {
                continue;
            }
            const Card& onto = view.m_Cards[target][view.m_nTop[target]];
            if (!FitsOn(card, onto)) {
                continue;
            }
            if (top == 0 || !FitsOn(card, view.m_Cards[source][top - 1])) {
                ++count;
                continue;
            }
            // The card already lies on its like: shifting it sideways only
            // helps when it frees a card for home.
            const Card& below = view.m_Cards[source][top - 1];
            count += HomeCellsHolding(view, onto.nRank - 1, onto.nSuit);
            count += HomeCellsHolding(view, below.nRank - 1, below.nSuit);
        }
        count += HomeCellsHolding(view, card.nRank - 1, card.nSuit);
    }
    return count;
}
}  // namespace

ColorRef CSolView::PreCreateWindow() {
    m_strWndClass = "KelmoraTable";
    return m_crBackground;
}

void CSolView::OnPaint() {
    const Rect client = m_platform.surface.ClientRect();
    EraseRect(client.left, client.right, client.top, client.bottom);
    DrawKingBox();
    DrawCellFrames();
    if (m_bPlaying != 1) {
        return;
    }

    cells::DrawCards(*this);
    for (int column = 0; column < table::kColumns; ++column) {
        for (int row = 0; row <= m_nTop[column]; ++row) {
            m_nCardCode = CardCode(m_Cards[column][row]);
            DrawCard(m_nCardCode, table::ColumnX(column), table::RowY(row), 80, 100, false);
        }
    }

    if (m_nSelected >= 1 && m_nSelected <= table::kColumns) {
        const int column = m_nSelected - 1;
        DrawCard(kSelectionMark, table::ColumnX(column), table::RowY(m_nTop[column]), kMarkWidth,
                 kMarkHeight, true);
    } else if (m_nSelected >= kFirstReserveSelection) {
        cells::DrawMark(*this, m_nSelected - kFirstReserveSelection);
    }
}

void CSolView::DrawClock() {
    // Each extra digit moves the text 4 pixels left, keeping it over the king.
    const int x = m_nSeconds < 10 ? 307 : m_nSeconds < 100 ? 303 : m_nSeconds < 1000 ? 299 : 295;
    m_platform.surface.TextOut(x, 9, std::to_string(m_nSeconds));
}

int CSolView::CountMoves() const {
    // A heuristic, not a list of legal moves: the game may be lost when it is 0.
    return MovesFromReserveCells(*this) + MovesFromColumns(*this);
}

void CSolView::UpdateMoveCount() {
    m_nMovesLeft = CountMoves();

    const Rect client = m_platform.surface.ClientRect();
    const int right = client.right;
    const int bottom = client.bottom;
    EraseRect(right - 21, right - 3, bottom - 21, bottom - 3);
    m_platform.surface.TextOut(right - 20, bottom - 20, std::to_string(m_nMovesLeft));
}
