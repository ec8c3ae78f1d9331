#pragma once

#include <string>

class WindowServices;

// "New Game": Yes (OK) or No (Cancel).
class CNewGameDlg {};

// "Restart Game": Yes (OK) or No (Cancel).
class CRestartDlg {};

// "Select Game": the player types a game number.
class CSelectGameDlg {
  public:
    // Text of the edit control; empty when the dialog opens.
    std::string m_strEdit;
    // The accepted game number, valid after OK.
    int m_nGame = 0;

    // The OK button: reads the field as an unsigned decimal number. Returns
    // true when the dialog may close with OK; otherwise the player has been
    // told the valid range and the field reads "0".
    bool OnOK(WindowServices& window);
};
