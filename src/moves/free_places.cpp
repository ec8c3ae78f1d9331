#include "moves/free_places.h"

#include <cassert>

#include "moves/move_steps.h"
#include "render/cell_cards.h"

namespace moves {

namespace {
bool IsReserveCode(int code) {
    return code < kFirstFreeColumnCode;
}
int ColumnOf(int code) {
    return code - kFirstFreeColumnCode;
}
}  // namespace

FreeList ListFreePlaces(const CSolView& view, int excludedColumn) {
    FreeList places;
    for (int cell = 0; cell < table::kCells; ++cell) {
        if (view.m_bCellUsed[cell] == 0) {
            places.codes[places.count++] = cell;
        }
    }
    for (int column = 0; column < table::kColumns; ++column) {
        if (view.m_nTop[column] == -1 && column != excludedColumn) {
            places.codes[places.count++] = kFirstFreeColumnCode + column;
        }
    }
    return places;
}

void ParkCards(CSolView& view, const FreeList& places, int source, int count) {
    assert(count <= places.count);
    const int top = view.m_nTop[source];
    for (int i = 0; i < count; ++i) {
        const int code = places.codes[i];
        const Card& card = view.m_Cards[source][top - i];
        if (IsReserveCode(code)) {
            view.DrawCardFace(card, table::ReserveX(code), 0, table::kParkedInCellWidth,
                              table::kParkedHeight);
        } else {
            view.DrawCardFace(card, table::ColumnX(ColumnOf(code)), table::kColumnTop,
                              table::kParkedInColumnWidth, table::kParkedHeight);
        }
    }
}

void ClearParkedCards(CSolView& view, const FreeList& places, int count) {
    for (int i = 0; i < count; ++i) {
        const int code = places.codes[i];
        if (IsReserveCode(code)) {
            view.EraseRect(table::ReserveX(code), table::ReserveX(code) + table::kCellSpacing, 0,
                           table::kCellBoxHeight);
        } else {
            EraseColumnBand(view, ColumnOf(code), table::kColumnTop, table::kParkedColumnBottom);
        }
    }
    view.DrawCellFrames();
    cells::DrawCards(view);
}

}  // namespace moves
