#include "game/sol_view.h"

namespace {
// The clock advances once every this many game ticks.
constexpr int kTicksPerSecond = 11;
}  // namespace

void CSolView::OnInitialUpdate() {
    m_platform.window.SetTimer(kStartupTimer, kTickMilliseconds);
}

void CSolView::OnTimer(unsigned nIDEvent) {
    if (nIDEvent == kStartupTimer) {
        // One shot: finishes the first drawing of the empty table.
        if (m_bFirstTick == 1) {
            DrawCellFrames();
            DrawKingBox();
            m_platform.window.SetMainTitle("Kelmora");
            m_bFirstTick = 0;
            m_platform.window.KillTimer(kStartupTimer);
        }
        return;
    }
    if (nIDEvent != kGameTimer) {
        return;
    }

    // May end the game and even start the next one; the tick goes on regardless.
    CheckGameLost();

    if (++m_nTickDivider >= kTicksPerSecond) {
        ++m_nSeconds;
        if (m_Show == 1) {
            DrawClock();
        }
        m_nTickDivider = 0;
    }

    if (m_bAutoPlay == 1) {
        AutoPlay();
    }
}
