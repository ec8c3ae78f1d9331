#pragma once

// "Select": whether a run or only the top card goes into an empty column.
// Both move buttons end the dialog with result 0; Cancel with IDCANCEL.
class CMoveChoiceDlg {
  public:
    // 1 after "Move Column", 0 after "Move Single Card".
    int m_bMoveColumn = 0;

    static constexpr int kMoved = 0;
    void OnMoveColumn() { m_bMoveColumn = 1; }
    void OnMoveSingleCard() { m_bMoveColumn = 0; }
};
