#pragma once

#include <QDialog>

#include "app/paced_timer.h"

class CAboutDlg;
class QLabel;
class WindowServices;

// "About Kelmora": the icon, the version line, OK and the ticker, each at its
// place in dialog units. The ticker is stepped by a 100 ms timer of the dialog
// itself; OK stops it before closing.
class QtAboutDialog : public QDialog {
  public:
    QtAboutDialog(QWidget* owner, CAboutDlg& dlg, WindowServices& window);

    // Escape and the close box end it with IDCANCEL, as the game expects.
    void reject() override;

  protected:
    void timerEvent(QTimerEvent* event) override;

  private:
    void ShowTicker();

    CAboutDlg& m_dlg;
    WindowServices& m_window;
    QLabel* m_ticker;
    PacedTimer m_timer;
};
