#include "game/sol_view.h"
#include "moves/free_places.h"
#include "moves/move_steps.h"
#include "moves/run_rules.h"
#include "moves/table_hits.h"

namespace {
// The king looks right from this x on.
constexpr int kKingMiddle = 311;
}  // namespace

void CSolView::OnMouseMove(unsigned, int x, int y) {
    // Redraw the king only when the pointer crosses to the other side.
    const int right = x >= kKingMiddle ? 1 : 0;
    m_bKingTurned = m_bPointerRight != right ? 1 : 0;
    m_bPointerRight = right;
    if (m_bKingTurned == 1) {
        DrawKingBox();
    }

    // The pointer tells whether a press on the column under it would move the selection.
    CursorHandle pointer = m_hArrowCursor;
    const int column = hits::ColumnAt(*this, x, y);
    if (column >= 0 && m_nSelected != kNothingSelected) {
        if (m_nTop[column] == -1) {
            pointer = m_hEmptyCursor;
        } else if (moves::IsColumnSelection(m_nSelected)) {
            const int freePlaces = BuildFreeList(moves::kNoColumnExcluded);
            if (moves::FittingRunLength(*this, m_nSelected - 1, column, freePlaces) > 0) {
                pointer = m_hDropCursor;
            }
        } else if (moves::IsReserveSelection(m_nSelected) &&
                   FitsOn(moves::ReserveCell(*this, m_nSelected - kFirstReserveSelection),
                          moves::TopCard(*this, column))) {
            pointer = m_hDropCursor;
        }
    }
    m_platform.window.SetPointer(pointer);
}
