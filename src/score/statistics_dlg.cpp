#include "score/statistics_dlg.h"

#include <cstdint>
#include <string>

#include "platform/dialog_host.h"
#include "score/player_name.h"

void CStatisticsDlg::OnInitDialog() {
    m_strText = FormatText();
}

void CStatisticsDlg::OnClear(DialogHost& dialogs) {
    CClearStatsDlg question;
    if (dialogs.DoModal(question) != IDOK) {
        return;
    }
    for (int slot = 0; slot < kBestTimeSlots; ++slot) {
        m_strBestName[slot] = " ";
        m_nBestTime[slot] = 0;
        m_nBestGame[slot] = 0;
    }
    m_nLost = 0;
    m_nWon = 0;
    m_bCleared = 1;
    m_strText = FormatText();
}

std::string CStatisticsDlg::FormatText() const {
    // Wide arithmetic: the counts come from a profile file anyone can edit, and
    // a large count must not overflow when multiplied by 100.
    const std::int64_t played = std::int64_t{m_nWon} + m_nLost;
    const std::int64_t percentWon = played == 0 ? 0 : std::int64_t{m_nWon} * 100 / played;

    std::string text;
    for (int slot = 0; slot < kBestTimeSlots; ++slot) {
        text += '#' + std::to_string(m_nBestGame[slot]) + "\t\t" +
                std::to_string(m_nBestTime[slot]) + '\t' + ShownName(m_strBestName[slot]);
        text += slot < 2 ? "\n" : "\n\n\n";
    }
    text += std::to_string(percentWon) + "%\n\nWon   " + std::to_string(m_nWon) + "\nLost    " +
            std::to_string(m_nLost);
    return text;
}
