#include "moves/move_steps.h"

#include <algorithm>

#include "render/cell_cards.h"

namespace moves {

void DrawColumnCard(CSolView& view, int k, int row) {
    assert(table::IsIndex(k, table::kColumns));
    assert(table::IsIndex(row, table::kCellRow));
    view.DrawCardFace(view.m_Cards[k][row], table::ColumnX(k), table::RowY(row), kBoxWidth,
                      kBoxHeight);
}

void EraseColumnBand(CSolView& view, int k, int top, int bottom) {
    view.EraseRect(table::ColumnX(k), table::ColumnX(k) + table::kBandWidth, top, bottom);
}

void LiftTopCard(CSolView& view, int k, int emptiedBottom) {
    const int top = view.m_nTop[k];
    // The new top card, drawn 18 pixels higher, covers the rest of the old box.
    EraseColumnBand(view, k, table::kLiftedBandTop + table::kRowStep * top,
                    table::kLiftedBandBottom + table::kRowStep * top);
    view.m_Cards[k][top] = Card{};
    view.m_nTop[k] = std::max(top - 1, -1);
    if (view.m_nTop[k] == -1) {
        EraseColumnBand(view, k, table::kColumnTop, emptiedBottom);
    } else {
        DrawColumnCard(view, k, view.m_nTop[k]);
    }
}

void ClearReserveCell(CSolView& view, int j) {
    view.EraseRect(table::ReserveX(j), table::ReserveX(j) + table::kCellSpacing, 0,
                   table::kCellBoxHeight);
    ReserveCell(view, j) = Card{};
    view.m_bCellUsed[j] = 0;
    view.DrawCellFrames();
    cells::DrawCards(view);
}

void StackCard(CSolView& view, int source, int row, int target) {
    const int targetRow = view.m_nTop[target] + 1;
    view.DrawCardFace(view.m_Cards[source][row], table::ColumnX(target), table::RowY(targetRow),
                      kBoxWidth, kBoxHeight);
    view.m_nTop[target] = targetRow;
    view.m_Cards[target][targetRow] = view.m_Cards[source][row];
    view.m_Cards[source][row] = Card{};
}

void ShowRunSource(CSolView& view, int k, int bandTop, table::SourceErase erase,
                   bool bandWhenEmptied) {
    const int newTop = view.m_nTop[k];
    if (newTop >= 0 || bandWhenEmptied) {
        EraseColumnBand(view, k, bandTop + table::kRowStep * newTop,
                        erase.kept + table::kRowStep * newTop);
    }
    if (newTop >= 0) {
        DrawColumnCard(view, k, newTop);
    } else {
        EraseColumnBand(view, k, table::kColumnTop, erase.emptied);
    }
}

void TakeFrom(CSolView& view, Source from, int emptiedBottom) {
    if (from.kind == Source::kReserve) {
        ClearReserveCell(view, from.index);
    } else {
        LiftTopCard(view, from.index, emptiedBottom);
    }
}

void SendHome(CSolView& view, Source from, int suit) {
    const Card card = CardAt(view, from);
    cells::DrawFace(view, card, table::kCells + suit);
    HomeCell(view, suit) = card;
    TakeFrom(view, from, kEmptiedToUpperRow);
}

void TopCardToCell(CSolView& view, int k, int j) {
    const Card card = TopCard(view, k);
    ReserveCell(view, j) = card;
    cells::DrawFace(view, card, j);
    view.m_bCellUsed[j] = 1;
    LiftTopCard(view, k, kEmptiedToUpperRow);
    EndMove(view);
}

void StartColumn(CSolView& view, int k, Source from, int emptiedBottom) {
    view.m_Cards[k][0] = CardAt(view, from);
    view.m_nTop[k] = 0;
    DrawColumnCard(view, k, 0);
    TakeFrom(view, from, emptiedBottom);
    EndMove(view);
}

void EndMove(CSolView& view) {
    view.m_nSelected = kNothingSelected;
    view.m_bMouseDown = 0;
}

void DropSelection(CSolView& view, int markGoneWith) {
    const int selected = view.m_nSelected;
    EndMove(view);
    if (selected == markGoneWith) {
        return;
    }
    if (IsReserveSelection(selected)) {
        const int cell = selected - kFirstReserveSelection;
        cells::DrawFace(view, ReserveCell(view, cell), cell);
    } else if (IsColumnSelection(selected) && view.m_nTop[selected - 1] >= 0) {
        DrawColumnCard(view, selected - 1, view.m_nTop[selected - 1]);
    }
}

}  // namespace moves
