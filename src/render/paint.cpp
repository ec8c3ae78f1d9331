#include <string>

#include "game/sol_view.h"
#include "game/view_table.h"
#include "render/cell_cards.h"

ColorRef CSolView::PreCreateWindow() {
    m_strWndClass = "KelmoraTable";
    return m_crBackground;
}

void CSolView::OnPaint() {
    const Rect client = m_platform.surface.ClientRect();
    EraseRect(client.left, client.right, client.top, client.bottom);
    DrawKingBox();
    DrawCellFrames();
    // From the first deal on the table shows its game, in play or ended: a
    // repaint never wipes the table the player is looking at. An ended game
    // has no selection, so it shows no mark.
    if (m_bNoGameYet == 1) {
        return;
    }

    cells::DrawCards(*this);
    for (int column = 0; column < table::kColumns; ++column) {
        for (int row = 0; row <= m_nTop[column]; ++row) {
            DrawCardFace(m_Cards[column][row], table::ColumnX(column), table::RowY(row),
                         table::kRepaintWidth, table::kRepaintHeight);
        }
    }

    if (m_nSelected >= 1 && m_nSelected <= table::kColumns) {
        const int column = m_nSelected - 1;
        DrawCard(kSelectionMark, table::ColumnX(column), table::RowY(m_nTop[column]),
                 table::kMarkWidth, table::kMarkHeight, true);
    } else if (m_nSelected >= kFirstReserveSelection) {
        cells::DrawMark(*this, m_nSelected - kFirstReserveSelection);
    }
}

void CSolView::DrawClock() {
    // Each extra digit moves the text 4 pixels left, keeping it over the king.
    const int x = m_nSeconds < 10 ? 307 : m_nSeconds < 100 ? 303 : m_nSeconds < 1000 ? 299 : 295;
    m_platform.surface.TextOut(x, 9, std::to_string(m_nSeconds));
}

void CSolView::UpdateMoveCount() {
    // A heuristic, not a list of legal moves: the game may be lost when it is 0.
    m_nMovesLeft = rules::CountMovesLeft(ViewTable{*this});

    const Rect client = m_platform.surface.ClientRect();
    const int right = client.right;
    const int bottom = client.bottom;
    EraseRect(right - 21, right - 3, bottom - 21, bottom - 3);
    m_platform.surface.TextOut(right - 20, bottom - 20, std::to_string(m_nMovesLeft));
}
