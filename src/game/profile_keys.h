#pragma once

#include <string_view>

#include "platform/profile.h"

// Best times are kept for this many wins, best first.
constexpr int kBestTimeSlots = 3;

// Every key the game keeps in the profile, with the value a missing or
// unreadable entry gives.
namespace keys {

struct Number {
    std::string_view section;
    std::string_view name;
    int fallback = 0;
};

struct Text {
    std::string_view section;
    std::string_view name;
};

constexpr Number kRed{"Color", "m_Red", 0};
constexpr Number kGreen{"Color", "m_Green", 0};
constexpr Number kBlue{"Color", "m_Blue", 128};
constexpr Number kWon{"Status", "m_Won"};
constexpr Number kLost{"Status", "m_Lost"};
constexpr Number kBestTime[kBestTimeSlots] = {
    {"Time", "t_Time1"}, {"Time", "t_Time2"}, {"Time", "t_Time3"}};
constexpr Number kBestGame[kBestTimeSlots] = {
    {"Game", "t_Game1"}, {"Game", "t_Game2"}, {"Game", "t_Game3"}};
constexpr Text kBestName[kBestTimeSlots] = {
    {"Name", "t_Name1"}, {"Name", "t_Name2"}, {"Name", "t_Name3"}};
constexpr Number kShowClock{"Options", "m_Show", 1};
constexpr Number kLeftDoubleClick{"Options", "DblClk", 1};
constexpr Number kRightDoubleClick{"Options", "Rclk", 1};

inline int Read(ProfileKeys& profile, const Number& key) {
    return profile.GetProfileInt(key.section, key.name, key.fallback);
}
inline std::string Read(ProfileKeys& profile, const Text& key) {
    return profile.GetProfileString(key.section, key.name, "");
}
inline void Write(ProfileKeys& profile, const Number& key, int value) {
    profile.WriteProfileInt(key.section, key.name, value);
}
inline void Write(ProfileKeys& profile, const Text& key, std::string_view value) {
    profile.WriteProfileString(key.section, key.name, value);
}

}  // namespace keys
