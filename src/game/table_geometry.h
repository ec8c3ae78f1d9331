#pragma once

// Where everything lies on the table, in pixels: the places of the cards, the
// boxes they are drawn and erased in, and the edges a press is tested against.
// Drawing, hit-testing and the movers all read these.
namespace table {

// --- the grid of places ---
constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;
constexpr int kColumns = 8;
constexpr int kRows = 21;
constexpr int kCellRow = 20;  // row 20: reserve cells (columns 0..3), home cells (4..7)
constexpr int kCells = 4;
constexpr int kRowStep = 18;  // the strip of a covered card that stays visible
constexpr int kColumnTop = 110;
constexpr int kCellSpacing = 70;  // cells stand this far apart, one pixel less than a card

// Whether `index` names one of `count` places of a kind: a column, a cell, a row.
constexpr bool IsIndex(int index, int count) {
    return index >= 0 && index < count;
}

constexpr int ColumnX(int column) {
    return 4 + 78 * column;
}
constexpr int RowY(int row) {
    return kColumnTop + kRowStep * row;
}
constexpr int ReserveX(int cell) {
    return kCellSpacing * cell;
}
constexpr int HomeX(int cell) {
    return 340 + kCellSpacing * cell;
}

// --- boxes ---
// The selection mark's box is 4 pixels wider and 1 lower than the card it
// marks; DrawCard takes it back to exactly one card.
constexpr int kMarkExtraWidth = 4;
constexpr int kMarkLessHeight = 1;
constexpr int kMarkWidth = kCardWidth + kMarkExtraWidth;
constexpr int kMarkHeight = kCardHeight - kMarkLessHeight;
// The box a full repaint draws each column card in.
constexpr int kRepaintWidth = 80;
constexpr int kRepaintHeight = 100;
// Erased column bands reach 4 pixels right of a card, into the gap before the next column.
constexpr int kBandWidth = 75;
// A reserve cell is erased, and a card parked in it shown, in this box.
constexpr int kCellBoxHeight = 95;
// A card parked for a moment shows in the box its place is erased by again:
// the cell outlines and the column below stay as they are.
constexpr int kParkedInCellWidth = kCellSpacing;
constexpr int kParkedInColumnWidth = kBandWidth;
constexpr int kParkedHeight = kCellBoxHeight;

// --- how far a column is erased once cards leave it ---
// A column's top card leaving: the band below the card that becomes the top,
// from BandTop(newTop) down to the old card's bottom.
constexpr int kLiftedBandTop = 185;     // + kRowStep * old top row
constexpr int kLiftedBandBottom = 210;  // + kRowStep * old top row
// A run leaving for another column: from the new top card's bottom edge.
constexpr int kRunBandTop = 203;  // + kRowStep * new top row
// A column emptied by a card leaving for a cell, or for another column.
constexpr int kEmptiedToUpperRow = 210;
constexpr int kEmptiedToColumn = 230;
// An empty column that showed a parked card.
constexpr int kParkedColumnBottom = 205;

// How far a source column is erased once a run has left it: to y = emptied
// when it is now empty, else down to y = kept + kRowStep * its new top row.
struct SourceErase {
    int emptied;
    int kept;
};
// By the run's length, from one card on.
constexpr SourceErase kRunToColumnErase[] = {
    {210, 228}, {230, 248}, {250, 268}, {270, 288}, {310, 328},
};
// From two cards on: one card into an empty column is a move of its own.
constexpr SourceErase kRunToEmptyColumnErase[] = {{270, 270}, {270, 270}, {270, 290}, {310, 310}};

// --- press edges (every comparison is strict) ---
constexpr int kColumnHitWidth = 70;
constexpr int kTopCardHitWidth = 75;
constexpr int kCardHitBottom = 95;  // below RowY(top row); an empty column reaches y = 186
constexpr int kCellHitHeight = 98;
constexpr int kReserveCardHitHeight = 95;
constexpr int kHomeHitWidth = 80;  // so each home cell overlaps the next by 9 pixels
constexpr int kKingBoxLeft = 295;
constexpr int kKingBoxRight = 327;
constexpr int kKingBoxTop = 35;
constexpr int kKingBoxBottom = 67;

}  // namespace table
