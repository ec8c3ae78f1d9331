#include <algorithm>
#include <iterator>

#include "game/sol_view.h"
#include "game/view_table.h"
#include "moves/free_places.h"
#include "moves/move_choice_dlg.h"
#include "moves/move_steps.h"
#include "moves/run_rules.h"

void CSolView::ClickEmptyColumn(int k) {
    if (m_nTop[k] != -1 || m_bMouseDown != 1) {
        return;
    }

    if (moves::IsReserveSelection(m_nSelected)) {
        // An emptied reserve cell is redrawn whole; no column depth applies.
        constexpr int kNoColumnEmptied = 0;
        moves::StartColumn(*this, k,
                           {moves::Source::kReserve, m_nSelected - kFirstReserveSelection},
                           kNoColumnEmptied);
        return;
    }

    if (!moves::IsColumnSelection(m_nSelected) || m_nTop[m_nSelected - 1] < 0) {
        return;
    }
    const int source = m_nSelected - 1;
    const int top = m_nTop[source];
    const int freePlaces = BuildFreeList(k);
    if (!rules::AsksRunOrCard(ViewTable{*this}, source, freePlaces)) {
        MoveCardToEmptyColumn(k);
        return;
    }

    // The player says whether the run or the top card alone is meant. Timer
    // ticks go on meanwhile; if automatic play has taken the selection away,
    // the answer no longer applies.
    const int asked = m_nGameSerial;
    CMoveChoiceDlg dlg;
    const int result = m_platform.dialogs.DoModal(dlg);
    if (m_nSelected != source + 1) {
        m_nSelected = kNothingSelected;
    } else if (result != CMoveChoiceDlg::kMoved) {
        moves::DrawColumnCard(*this, source, top);
        m_nSelected = kNothingSelected;
    } else if (dlg.m_bMoveColumn == 1) {
        MoveRunToEmptyColumn(k, freePlaces);
    } else {
        MoveCardToEmptyColumn(k);
    }
    // The release that ended this press came while the question was open and
    // went to the question, so it is done now, after the answer: the count
    // shows the table as the answer left it. Not for a game dealt meanwhile.
    if (m_nGameSerial == asked) {
        OnLButtonUp(0, table::ColumnX(k), table::kColumnTop);
    }
}

void CSolView::MoveRunToEmptyColumn(int k, int n) {
    if (!moves::IsColumnSelection(m_nSelected) || m_nTop[k] != -1) {
        return;
    }
    const int source = m_nSelected - 1;
    // Never park more cards than the list really has places for.
    const moves::FreeList places = moves::ListFreePlaces(*this, k);
    const int freePlaces = std::min(n, places.count);
    const int length = rules::RunIntoEmptyColumn(ViewTable{*this}, source, freePlaces);
    if (length < 2) {
        return;
    }
    const int sourceTop = m_nTop[source];

    // The upper cards wait in the free places while the whole run, lowest card
    // first, is stacked into the empty column.
    moves::ParkCards(*this, places, source, length - 1);
    for (int row = sourceTop - length + 1; row <= sourceTop; ++row) {
        moves::StackCard(*this, source, row, k);
    }
    moves::ClearParkedCards(*this, places, length - 1);
    m_nTop[source] = std::max(sourceTop - length, -1);

    static_assert(std::size(table::kRunToEmptyColumnErase) == moves::kLongestRun - 1);
    moves::ShowRunSource(*this, source, table::kLiftedBandTop,
                         table::kRunToEmptyColumnErase[length - 2], false);
    moves::EndMove(*this);
}
