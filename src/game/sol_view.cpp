#include "game/sol_view.h"

#include <cstdint>

#include "game/profile_keys.h"

CSolView::CSolView(const CSolDoc& document, Platform platform)
    : m_random(static_cast<std::uint32_t>(platform.window.CurrentTimeSeconds())),
      m_pDocument(&document),
      m_platform(platform) {
    ReadProfile();
}

void CSolView::ReadProfile() {
    Profile& profile = m_platform.profile;
    m_Red = keys::Read(profile, keys::kRed);
    m_Green = keys::Read(profile, keys::kGreen);
    m_Blue = keys::Read(profile, keys::kBlue);
    m_Won = keys::Read(profile, keys::kWon);
    m_Lost = keys::Read(profile, keys::kLost);
    for (int slot = 0; slot < kBestTimeSlots; ++slot) {
        t_Time[slot] = keys::Read(profile, keys::kBestTime[slot]);
    }
    for (int slot = 0; slot < kBestTimeSlots; ++slot) {
        t_Game[slot] = keys::Read(profile, keys::kBestGame[slot]);
    }
    m_Show = keys::Read(profile, keys::kShowClock);
    m_DblClk = keys::Read(profile, keys::kLeftDoubleClick);
    m_Rclk = keys::Read(profile, keys::kRightDoubleClick);
    for (int slot = 0; slot < kBestTimeSlots; ++slot) {
        t_Name[slot] = keys::Read(profile, keys::kBestName[slot]);
    }
    m_crBackground = MakeColorRef(m_Red, m_Green, m_Blue);
}

void CSolView::WriteStatistics() {
    Profile& profile = m_platform.profile;
    keys::Write(profile, keys::kWon, m_Won);
    keys::Write(profile, keys::kLost, m_Lost);
    for (int slot = 0; slot < kBestTimeSlots; ++slot) {
        keys::Write(profile, keys::kBestTime[slot], t_Time[slot]);
    }
    for (int slot = 0; slot < kBestTimeSlots; ++slot) {
        keys::Write(profile, keys::kBestGame[slot], t_Game[slot]);
    }
    for (int slot = 0; slot < kBestTimeSlots; ++slot) {
        keys::Write(profile, keys::kBestName[slot], t_Name[slot]);
    }
}
