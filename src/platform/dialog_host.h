#pragma once

class CNewGameDlg;
class CRestartDlg;
class CSelectGameDlg;
class CMoveChoiceDlg;
class CHighScoreDlg;
class CGameWonDlg;
class CGameLostDlg;
class CStatisticsDlg;
class CClearStatsDlg;
class COptionsDlg;
class CAboutDlg;

// How a modal dialog ended.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Runs the program's modal dialogs. Each call shows the dialog filled from the
// object's public members, lets the object's own handlers validate and react,
// writes the controls back into the members, and returns the dialog's result.
// Timer ticks of the view keep arriving while a dialog is open.
class DialogHost {
  public:
    virtual ~DialogHost() = default;

    virtual int DoModal(CNewGameDlg& dlg) = 0;
    virtual int DoModal(CRestartDlg& dlg) = 0;
    virtual int DoModal(CSelectGameDlg& dlg) = 0;
    virtual int DoModal(CMoveChoiceDlg& dlg) = 0;
    virtual int DoModal(CHighScoreDlg& dlg) = 0;
    virtual int DoModal(CGameWonDlg& dlg) = 0;
    virtual int DoModal(CGameLostDlg& dlg) = 0;
    virtual int DoModal(CStatisticsDlg& dlg) = 0;
    virtual int DoModal(CClearStatsDlg& dlg) = 0;
    virtual int DoModal(COptionsDlg& dlg) = 0;
    virtual int DoModal(CAboutDlg& dlg) = 0;
};
