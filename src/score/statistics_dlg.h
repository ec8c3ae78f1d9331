#pragma once

#include <string>

#include "game/profile_keys.h"

class DialogHost;

// "Statistics": the best times and the games won and lost.
class CStatisticsDlg {
  public:
    int m_nBestTime[kBestTimeSlots] = {};
    int m_nBestGame[kBestTimeSlots] = {};
    std::string m_strBestName[kBestTimeSlots];
    int m_nLost = 0;
    int m_nWon = 0;

    // The text shown in the statistics field (static 1000).
    std::string m_strText;
    // 1 once Clear has emptied the values above: on OK they replace the game's.
    int m_bCleared = 0;

    void OnInitDialog();
    // The "Clear" button: asks first, then empties the table in the dialog only.
    void OnClear(DialogHost& dialogs);

  private:
    std::string FormatText() const;
};

// "Clear Statistics": Yes (OK) or No (Cancel).
class CClearStatsDlg {};
