#include "game/sol_view.h"

#include <cstdint>

#include "game/profile_keys.h"
#include "score/statistics_record.h"

CSolView::CSolView(const CSolDoc& document, Platform platform)
    // The low bits change fastest: two games started in one second differ there.
    : m_random(static_cast<std::uint32_t>(platform.window.CurrentTimeNanoseconds())),
      m_pDocument(&document),
      m_platform(platform) {
    ReadProfile();
}

void CSolView::ReadProfile() {
    Profile& profile = m_platform.profile;
    m_Red = keys::Read(profile, keys::kRed);
    m_Green = keys::Read(profile, keys::kGreen);
    m_Blue = keys::Read(profile, keys::kBlue);
    HoldStatistics(ReadStatistics(profile));
    m_Show = keys::Read(profile, keys::kShowClock);
    m_DblClk = keys::Read(profile, keys::kLeftDoubleClick);
    m_Rclk = keys::Read(profile, keys::kRightDoubleClick);
    m_crBackground = MakeColorRef(m_Red, m_Green, m_Blue);
}
