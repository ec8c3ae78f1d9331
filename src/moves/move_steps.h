#pragma once

#include <cassert>

#include "game/sol_view.h"
#include "game/view_table.h"

// The small steps every move is made of: reading places, drawing a card face,
// taking a column's top card away, emptying a reserve cell.
namespace moves {

// The box a card is drawn in on a column: exactly one card, so that it covers
// every pixel of the card or the mark it replaces.
constexpr int kBoxWidth = table::kCardWidth;
constexpr int kBoxHeight = table::kCardHeight;
using table::kEmptiedToUpperRow;

constexpr bool IsColumnSelection(int code) {
    return code >= 1 && code <= table::kColumns;
}
constexpr bool IsReserveSelection(int code) {
    return code >= kFirstReserveSelection && code < kFirstReserveSelection + table::kCells;
}

inline Card& ReserveCell(CSolView& view, int j) {
    assert(table::IsIndex(j, table::kCells));
    return view.m_Cards[j][table::kCellRow];
}
inline Card& HomeCell(CSolView& view, int suit) {
    assert(table::IsIndex(suit, table::kCells));
    return view.m_Cards[table::kCells + suit][table::kCellRow];
}
inline Card& TopCard(CSolView& view, int k) {
    assert(table::IsIndex(k, table::kColumns));
    assert(table::IsIndex(view.m_nTop[k], table::kCellRow));
    return view.m_Cards[k][view.m_nTop[k]];
}

// Where a moving card comes from: the top of a column or a reserve cell.
struct Source {
    enum Kind { kColumn, kReserve } kind;
    int index;
};

inline Card& CardAt(CSolView& view, Source from) {
    return from.kind == Source::kReserve ? ReserveCell(view, from.index)
                                         : TopCard(view, from.index);
}

// The next card for its home cell: one rank above what the cell of its suit holds.
inline bool GoesHome(CSolView& view, const Card& card) {
    return rules::GoesHome(ViewTable{view}, card);
}

// Whether column k can take `count` more cards without reaching the cell row.
inline bool HasRoomFor(const CSolView& view, int k, int count) {
    return rules::HasRoomFor(ViewTable{view}, k, count);
}

// Draws the card in `row` of column k at its place.
void DrawColumnCard(CSolView& view, int k, int row);

// Fills a band of column k, 75 pixels wide, with the table colour.
void EraseColumnBand(CSolView& view, int k, int top, int bottom);

// Column k's top card has been drawn at its new place: erases the strip it
// leaves, takes it off the column and shows the column's new end, either the
// new top card or an empty column erased down to `emptiedBottom`.
void LiftTopCard(CSolView& view, int k, int emptiedBottom);

// Reserve cell j's card has been drawn at its new place: erases the cell,
// marks it free, restores the frames and the cards they were drawn over.
void ClearReserveCell(CSolView& view, int j);

// The card in `row` of column `source` is drawn on top of column `target` and
// moves there.
void StackCard(CSolView& view, int source, int row, int target);

// A run has left column k: the band below its new top card is erased from
// `bandTop` to `erase.kept` (each a row step lower per row) and that card drawn
// again, or, when the run emptied it, the column is erased down to
// `erase.emptied` (after the band too when `bandWhenEmptied`).
void ShowRunSource(CSolView& view, int k, int bandTop, table::SourceErase erase,
                   bool bandWhenEmptied);

// The card at `from` has been drawn at its new place: takes it off there. A
// column it empties is erased down to `emptiedBottom`.
void TakeFrom(CSolView& view, Source from, int emptiedBottom);

// The card at `from` goes onto the home cell of `suit`.
void SendHome(CSolView& view, Source from, int suit);

// Column k's top card goes into free reserve cell j, and the move is done.
void TopCardToCell(CSolView& view, int k, int j);

// The card at `from` starts empty column k, and the move is done.
void StartColumn(CSolView& view, int k, Source from, int emptiedBottom);

// A completed move leaves nothing selected and the press used up.
void EndMove(CSolView& view);

// Ends whatever selection there is from outside the player's own move. Unless
// the mark went away with the card that moved from the selected place
// (`markGoneWith`, a selection code), the marked card is drawn again plainly,
// so the table never shows a selection that no longer exists.
void DropSelection(CSolView& view, int markGoneWith);

}  // namespace moves
