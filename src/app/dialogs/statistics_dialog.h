#pragma once

#include "dialogs/modal_dialog.h"

class CStatisticsDlg;
class DialogHost;
class TabbedText;

// "Statistics": the best times under their headings, the share of games won
// and the counts. "Clear" asks through `host` and shows the emptied table.
class StatisticsDialog : public ModalDialog {
  public:
    StatisticsDialog(QWidget* owner, CStatisticsDlg& dlg, DialogHost& host);

  private:
    void ShowText();

    CStatisticsDlg& m_dlg;
    TabbedText* m_text;
};
