#include <algorithm>
#include <iterator>

#include "game/sol_view.h"
#include "moves/free_places.h"
#include "moves/move_steps.h"
#include "moves/run_rules.h"

int CSolView::BuildFreeList(int excludedColumn) {
    const moves::FreeList places = moves::ListFreePlaces(*this, excludedColumn);
    std::ranges::copy(places.codes, m_nFree);
    return places.count;
}

void CSolView::MoveRunToColumn(int nTarget) {
    const int freePlaces = BuildFreeList(moves::kNoColumnExcluded);
    if (!moves::IsColumnSelection(m_nSelected)) {
        return;
    }
    // MoveRun refuses the length 0 of a run that does not fit.
    MoveRun(moves::FittingRunLength(*this, m_nSelected - 1, nTarget, freePlaces), nTarget);
}

void CSolView::MoveRun(int L, int nTarget) {
    if (!moves::IsColumnSelection(m_nSelected) || L < 1 || L > moves::kLongestRun) {
        return;
    }
    const int source = m_nSelected - 1;
    const int sourceTop = m_nTop[source];
    const int bottomRow = sourceTop - L + 1;
    const moves::FreeList places = moves::ListFreePlaces(*this, moves::kNoColumnExcluded);
    if (source == nTarget || bottomRow < 0 || m_nTop[nTarget] < 0 ||
        !moves::HasRoomFor(*this, nTarget, L) || places.count < L - 1 ||
        !FitsOn(m_Cards[source][bottomRow], moves::TopCard(*this, nTarget))) {
        return;
    }

    // The upper cards wait in the free places; the deeper ones go straight
    // across, and the top card follows once the free places are cleared.
    moves::ParkCards(*this, places, source, L - 1);
    for (int row = bottomRow; row <= sourceTop; ++row) {
        if (row == sourceTop && L > 1) {
            moves::ClearParkedCards(*this, places, L - 1);
        }
        moves::StackCard(*this, source, row, nTarget);
    }
    m_nTop[source] = bottomRow - 1;

    static_assert(std::size(table::kRunToColumnErase) == moves::kLongestRun);
    // A single card always clears the strip it leaves, even from a column it empties.
    moves::ShowRunSource(*this, source, table::kRunBandTop, table::kRunToColumnErase[L - 1],
                         L == 1);
    moves::EndMove(*this);
}
