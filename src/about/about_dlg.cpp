#include "about/about_dlg.h"

#include <string_view>

#include "platform/window_services.h"

namespace {
// The sentence between two blank stretches as wide as the ticker, so that it
// enters at the right edge and leaves at the left.
constexpr std::string_view kTickerText =
    "                   Please feel free to send your suggestions                   ";
constexpr std::size_t kTickerWidth = 19;
constexpr int kLastFrame = 59;
constexpr int kRestTicks = 30;
constexpr int kFramePauseMs = 150;
}  // namespace

void CAboutDlg::OnInitDialog() {
    m_strFrames.fill(std::string{});
    for (int frame = 1; frame <= kLastFrame; ++frame) {
        m_strFrames[frame] = std::string(kTickerText.substr(frame, kTickerWidth));
    }
    m_nTickerWait = 0;
    m_strTicker.clear();
}

void CAboutDlg::OnTimer(unsigned nIDEvent, WindowServices& window) {
    if (nIDEvent != kTickerTimer) {
        return;
    }
    ++m_nTickerWait;
    if (m_nTickerWait < kRestTicks) {
        return;
    }
    window.Sleep(kFramePauseMs);
    ++m_nFrame;
    m_strTicker = m_strFrames[m_nFrame];
    if (m_nFrame > kLastFrame) {
        m_nFrame = 0;
        m_nTickerWait = 0;
        m_strTicker.clear();
    }
}
