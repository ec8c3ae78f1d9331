#include "game/sol_view.h"
#include "platform/dialog_host.h"
#include "score/statistics_dlg.h"

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
    // nothing else: ticks run while it is open and may end a game, so without
    // a Clear the game's own values, newer than the dialog's copy, stay.
    if (m_platform.dialogs.DoModal(dlg) != IDOK) {
        return;
    }
    if (dlg.m_bCleared == 1) {
        m_Won = dlg.m_nWon;
        m_Lost = dlg.m_nLost;
        for (int slot = 0; slot < kBestTimeSlots; ++slot) {
            t_Name[slot] = dlg.m_strBestName[slot];
            t_Time[slot] = dlg.m_nBestTime[slot];
            t_Game[slot] = dlg.m_nBestGame[slot];
        }
    }
    WriteStatistics();
}
