#pragma once

// "Options": the three check boxes.
class COptionsDlg {
  public:
    int m_bDblClk = 0;
    int m_bShow = 0;
    int m_bRclk = 0;
};
