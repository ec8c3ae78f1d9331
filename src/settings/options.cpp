#include "game/profile_keys.h"
#include "game/sol_view.h"
#include "platform/dialog_host.h"
#include "settings/options_dlg.h"

void CSolView::OnOptions() {
    COptionsDlg dlg;
    dlg.m_bDblClk = m_DblClk;
    dlg.m_bShow = m_Show;
    dlg.m_bRclk = m_Rclk;
    if (m_platform.dialogs.DoModal(dlg) != IDOK) {
        return;
    }
    // Only the clock shows on the table; the double-click options change nothing drawn.
    if (dlg.m_bShow != m_Show) {
        m_Show = dlg.m_bShow;
        OnPaint();
    }
    m_DblClk = dlg.m_bDblClk;
    m_Rclk = dlg.m_bRclk;

    m_platform.profile.Update([this](ProfileKeys& keys) {
        keys::Write(keys, keys::kShowClock, m_Show);
        keys::Write(keys, keys::kLeftDoubleClick, m_DblClk);
        keys::Write(keys, keys::kRightDoubleClick, m_Rclk);
    });
}
