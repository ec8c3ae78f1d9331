#pragma once

#include <string>

#include "score/player_name.h"

// "High Score": the name to go with a new best time.
class CHighScoreDlg {
  public:
    std::string m_strName;

    // The OK button, with the typed text in m_strName: keeps it as a name.
    void OnOK() { m_strName = TypedName(m_strName); }
};

// "Game Over" after a win: what to play next.
class CGameWonDlg {
  public:
    static constexpr int kNewGame = 1;
    static constexpr int kSelectGame = 2;
    static constexpr int kSameGame = 3;

    int m_nChoice = kNewGame;

    // The dialog opens with "New Game" chosen.
    void OnInitDialog() { m_nChoice = kNewGame; }
};

// "Game Over" after a loss: play again, the same deal or a new one.
class CGameLostDlg {
  public:
    int m_bSameGame = 0;
};
