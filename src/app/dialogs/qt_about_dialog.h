#pragma once

#include "app/dialogs/qt_modal_dialog.h"

class CAboutDlg;
class QLabel;
class WindowServices;

// "About Kelmora": the version line and the ticker, stepped by a 100 ms timer
// of the dialog itself. OK stops the ticker before closing.
class QtAboutDialog : public QtModalDialog {
  public:
    QtAboutDialog(QWidget* owner, CAboutDlg& dlg, WindowServices& window);

  protected:
    void timerEvent(QTimerEvent* event) override;

  private:
    void ShowTicker();

    CAboutDlg& m_dlg;
    WindowServices& m_window;
    QLabel* m_ticker;
    int m_timerId;
};
