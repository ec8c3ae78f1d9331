#include "game_keys.h"

// clang-format off
const std::array<GameKey, kGameKeyCount> kGameKeys{{
    {"Color", "m_Red", 0},    {"Color", "m_Green", 0},  {"Color", "m_Blue", 128},
    {"Status", "m_Won", 0},   {"Status", "m_Lost", 0},
    {"Time", "t_Time1", 0},   {"Time", "t_Time2", 0},   {"Time", "t_Time3", 0},
    {"Game", "t_Game1", 0},   {"Game", "t_Game2", 0},   {"Game", "t_Game3", 0},
    {"Options", "m_Show", 1}, {"Options", "DblClk", 1}, {"Options", "Rclk", 1},
    {"Name", "t_Name1", ""},  {"Name", "t_Name2", ""},  {"Name", "t_Name3", ""}}};
// clang-format on

GameKeyValues GameOnProfile::Values() const {
    const CSolView& v = view;
    return {v.m_Red,     v.m_Green,   v.m_Blue,    v.m_Won,     v.m_Lost,    v.t_Time[0],
            v.t_Time[1], v.t_Time[2], v.t_Game[0], v.t_Game[1], v.t_Game[2], v.m_Show,
            v.m_DblClk,  v.m_Rclk,    v.t_Name[0], v.t_Name[1], v.t_Name[2]};
}

bool WriteKey(Profile& profile, const GameKey& key, const KeyValue& value) {
    if (const int* number = std::get_if<int>(&value)) {
        return profile.WriteProfileInt(key.section, key.name, *number);
    }
    return profile.WriteProfileString(key.section, key.name, std::get<std::string>(value));
}
