#pragma once

#include <array>
#include <string>

class WindowServices;

// "About Kelmora" with its one-line ticker.
class CAboutDlg {
  public:
    static constexpr int kTickerTimer = 1;
    static constexpr int kTickerPeriodMs = 100;

    int m_nTickerWait = 0;
    int m_nFrame = 1;
    // Text of the ticker control (1016).
    std::string m_strTicker;
    std::array<std::string, 61> m_strFrames;

    // Fills the frame table and empties the ticker. The host arms the ticker
    // timer (kTickerTimer, kTickerPeriodMs) before calling it.
    void OnInitDialog();
    // One tick of the ticker timer; may wait inside, as the ticker always has.
    void OnTimer(unsigned nIDEvent, WindowServices& window);
};
