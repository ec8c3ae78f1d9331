#pragma once

#include "app/dialogs/qt_modal_dialog.h"

class CStatisticsDlg;
class DialogHost;
class TabbedText;

// "Statistics": the best times under their headings, the share of games won
// and the counts. "Clear" asks through `host` and shows the emptied table.
class QtStatisticsDialog : public QtModalDialog {
  public:
    QtStatisticsDialog(QWidget* owner, CStatisticsDlg& dlg, DialogHost& host);

  private:
    void ShowText();

    CStatisticsDlg& m_dlg;
    TabbedText* m_text;
};
