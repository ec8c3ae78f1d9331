#include "game/sol_view.h"

#include <cstdint>

CSolView::CSolView(const CSolDoc& document, Platform platform)
    : m_random(static_cast<std::uint32_t>(platform.window.CurrentTimeSeconds())),
      m_pDocument(&document),
      m_platform(platform) {
    ReadProfile();
}

void CSolView::ReadProfile() {
    Profile& profile = m_platform.profile;
    m_Red = profile.GetProfileInt("Color", "m_Red", 0);
    m_Green = profile.GetProfileInt("Color", "m_Green", 0);
    m_Blue = profile.GetProfileInt("Color", "m_Blue", 128);
    m_Won = profile.GetProfileInt("Status", "m_Won", 0);
    m_Lost = profile.GetProfileInt("Status", "m_Lost", 0);
    t_Time[0] = profile.GetProfileInt("Time", "t_Time1", 0);
    t_Time[1] = profile.GetProfileInt("Time", "t_Time2", 0);
    t_Time[2] = profile.GetProfileInt("Time", "t_Time3", 0);
    t_Game[0] = profile.GetProfileInt("Game", "t_Game1", 0);
    t_Game[1] = profile.GetProfileInt("Game", "t_Game2", 0);
    t_Game[2] = profile.GetProfileInt("Game", "t_Game3", 0);
    m_Show = profile.GetProfileInt("Options", "m_Show", 1);
    m_DblClk = profile.GetProfileInt("Options", "DblClk", 1);
    m_Rclk = profile.GetProfileInt("Options", "Rclk", 1);
    t_Name[0] = profile.GetProfileString("Name", "t_Name1", "");
    t_Name[1] = profile.GetProfileString("Name", "t_Name2", "");
    t_Name[2] = profile.GetProfileString("Name", "t_Name3", "");
    m_crBackground = MakeColorRef(m_Red, m_Green, m_Blue);
}

void CSolView::WriteStatistics() {
    Profile& profile = m_platform.profile;
    profile.WriteProfileInt("Status", "m_Won", m_Won);
    profile.WriteProfileInt("Status", "m_Lost", m_Lost);
    profile.WriteProfileInt("Time", "t_Time1", t_Time[0]);
    profile.WriteProfileInt("Time", "t_Time2", t_Time[1]);
    profile.WriteProfileInt("Time", "t_Time3", t_Time[2]);
    profile.WriteProfileInt("Game", "t_Game1", t_Game[0]);
    profile.WriteProfileInt("Game", "t_Game2", t_Game[1]);
    profile.WriteProfileInt("Game", "t_Game3", t_Game[2]);
    profile.WriteProfileString("Name", "t_Name1", t_Name[0]);
    profile.WriteProfileString("Name", "t_Name2", t_Name[1]);
    profile.WriteProfileString("Name", "t_Name3", t_Name[2]);
}
