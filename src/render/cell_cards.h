#pragma once

#include "game/sol_view.h"

// The cards of the upper row. The cells stand 70 pixels apart and their cards
// are 71 wide, so a card's border column is also the outline of the next cell.
// A card's border wins over the outlines; where the next cell of the same block
// holds a card too, the column they share shows that card's border, as the
// repaint draws the row from left to right.
namespace cells {

// Left edge of place k of the upper row: reserve cells 0..3, home cells 4..7.
constexpr int X(int k) {
    return k < table::kCells ? table::ReserveX(k) : table::HomeX(k - table::kCells);
}

// Width of the box a card of place k is drawn or marked in: the whole card,
// or one column less while the next cell of its block holds a card.
int CardWidth(const CSolView& view, int k);

// Draws `card` face up at place k.
void DrawFace(CSolView& view, const Card& card, int k);

// Inverts the card of reserve cell j: the selection mark.
void DrawMark(CSolView& view, int j);

// Draws every card of the upper row, left to right, as the repaint does; after
// the outlines have been drawn over their borders.
void DrawCards(CSolView& view);

}  // namespace cells
