#pragma once

#include "platform/dialog_host.h"

class QWidget;
class WindowServices;

// The program's modal dialogs as Qt dialogs. Each one lays out its controls,
// fills them from the core dialog object, lets the object's handlers decide,
// and writes the controls back. QDialog::exec() keeps the view's timers ticking.
class QtDialogHost : public DialogHost {
  public:
    // `owner` is the main window; `window` answers message boxes and waits.
    QtDialogHost(QWidget* owner, WindowServices& window);

    int DoModal(CNewGameDlg& dlg) override;
    int DoModal(CRestartDlg& dlg) override;
    int DoModal(CSelectGameDlg& dlg) override;
    int DoModal(CMoveChoiceDlg& dlg) override;
    int DoModal(CHighScoreDlg& dlg) override;
    int DoModal(CGameWonDlg& dlg) override;
    int DoModal(CGameLostDlg& dlg) override;
    int DoModal(CStatisticsDlg& dlg) override;
    int DoModal(CClearStatsDlg& dlg) override;
    int DoModal(COptionsDlg& dlg) override;
    int DoModal(CAboutDlg& dlg) override;

  private:
    QWidget* m_owner;
    WindowServices& m_window;
};
