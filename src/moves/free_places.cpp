#include "moves/free_places.h"

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

void ParkCards(CSolView& view, int source, int count) {
    const int top = view.m_nTop[source];
    for (int i = 0; i < count; ++i) {
        const int code = view.m_nFree[i];
        const Card& card = view.m_Cards[source][top - i];
        if (IsReserveCode(code)) {
            DrawFace(view, card, table::ReserveX(code), 0, table::kParkedInCellWidth,
                     table::kParkedHeight);
        } else {
            DrawFace(view, card, table::ColumnX(ColumnOf(code)), table::kColumnTop,
                     table::kParkedInColumnWidth, table::kParkedHeight);
        }
    }
}

void ClearParkedCards(CSolView& view, int count) {
    for (int i = 0; i < count; ++i) {
        const int code = view.m_nFree[i];
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
