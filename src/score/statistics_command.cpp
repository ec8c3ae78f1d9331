#include "game/sol_view.h"
#include "platform/dialog_host.h"
#include "score/statistics_dlg.h"
#include "score/statistics_record.h"

void CSolView::OnStatistics() {
    CStatisticsDlg dlg;
    dlg.m_nWon = m_Won;
    dlg.m_nLost = m_Lost;
    for (int slot = 0; slot < kBestTimeSlots; ++slot) {
        dlg.m_strBestName[slot] = t_Name[slot];
        dlg.m_nBestTime[slot] = t_Time[slot];
        dlg.m_nBestGame[slot] = t_Game[slot];
    }
    // Only OK keeps what the dialog did, a Clear included. The dialog changes
    // nothing else: ticks run while it is open and may end a game, and other
    // running games may end theirs, so without a Clear the profile's values,
    // newer than the dialog's copy, stay.
    if (m_platform.dialogs.DoModal(dlg) != IDOK) {
        return;
    }
    if (dlg.m_bCleared == 0) {
        RecordStatistics([](Statistics&) {});
        return;
    }
    Statistics cleared;
    cleared.won = dlg.m_nWon;
    cleared.lost = dlg.m_nLost;
    for (int slot = 0; slot < kBestTimeSlots; ++slot) {
        cleared.names[slot] = dlg.m_strBestName[slot];
        cleared.times[slot] = dlg.m_nBestTime[slot];
        cleared.games[slot] = dlg.m_nBestGame[slot];
    }
    RecordStatistics([&cleared](Statistics& statistics) { statistics = cleared; });
}
