#pragma once

#include "game/sol_view.h"

// Hit rectangles of the table. Every comparison is strict: a point on an edge
// belongs to neither side.
namespace hits {

// The press rectangle of column k: down to the bottom of its top card (an
// empty column reaches y = 186).
constexpr bool InColumn(const CSolView& view, int k, int x, int y) {
    return table::ColumnX(k) < x && x < table::ColumnX(k) + table::kColumnHitWidth &&
           table::kColumnTop < y && y < table::RowY(view.m_nTop[k]) + table::kCardHitBottom;
}

// The column whose press rectangle holds the point, or -1.
constexpr int ColumnAt(const CSolView& view, int x, int y) {
    for (int k = 0; k < table::kColumns; ++k) {
        if (InColumn(view, k, x, y)) {
            return k;
        }
    }
    return -1;
}

constexpr bool InReserveCell(int j, int x, int y) {
    return table::ReserveX(j) < x && x < table::ReserveX(j) + table::kCellSpacing && 0 < y &&
           y < table::kCellHitHeight;
}

// 79 pixels wide, so each home cell overlaps the next one by 9 pixels.
constexpr bool InHomeCell(int j, int x, int y) {
    return table::HomeX(j) < x && x < table::HomeX(j) + table::kHomeHitWidth && 0 < y &&
           y < table::kCellHitHeight;
}

// The reserve cell whose press rectangle holds the point, or -1.
constexpr int ReserveCellAt(int x, int y) {
    for (int j = 0; j < table::kCells; ++j) {
        if (InReserveCell(j, x, y)) {
            return j;
        }
    }
    return -1;
}

// The leftmost home cell whose press rectangle holds the point, or -1.
constexpr int HomeCellAt(int x, int y) {
    for (int j = 0; j < table::kCells; ++j) {
        if (InHomeCell(j, x, y)) {
            return j;
        }
    }
    return -1;
}

// The strip of a covered card that stays visible under the next one.
constexpr bool InCoveredBand(int k, int row, int x, int y) {
    return table::ColumnX(k) < x && x < table::ColumnX(k) + table::kColumnHitWidth &&
           table::RowY(row) < y && y < table::RowY(row) + table::kRowStep;
}

// The box of column k's top card alone, 75 pixels wide.
constexpr bool InTopCard(const CSolView& view, int k, int x, int y) {
    const int top = view.m_nTop[k];
    return table::ColumnX(k) < x && x < table::ColumnX(k) + table::kTopCardHitWidth &&
           table::RowY(top) < y && y < table::RowY(top) + table::kCardHitBottom;
}

constexpr bool InReserveCard(int j, int x, int y) {
    return table::ReserveX(j) < x && x < table::ReserveX(j) + table::kCellSpacing && 0 < y &&
           y < table::kReserveCardHitHeight;
}

constexpr bool InKingBox(int x, int y) {
    return table::kKingBoxLeft < x && x < table::kKingBoxRight && table::kKingBoxTop < y &&
           y < table::kKingBoxBottom;
}

}  // namespace hits
