#include "game_keys.h"

namespace {

template <class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};

}  // namespace

const std::array<GameKey, kGameKeyCount> kGameKeys{{
    {"Color", "m_Red", 0, [](const CSolView& v) -> KeyValue { return v.m_Red; }},
    {"Color", "m_Green", 0, [](const CSolView& v) -> KeyValue { return v.m_Green; }},
    {"Color", "m_Blue", 128, [](const CSolView& v) -> KeyValue { return v.m_Blue; }},
    {"Status", "m_Won", 0, [](const CSolView& v) -> KeyValue { return v.m_Won; }},
    {"Status", "m_Lost", 0, [](const CSolView& v) -> KeyValue { return v.m_Lost; }},
    {"Time", "t_Time1", 0, [](const CSolView& v) -> KeyValue { return v.t_Time[0]; }},
    {"Time", "t_Time2", 0, [](const CSolView& v) -> KeyValue { return v.t_Time[1]; }},
    {"Time", "t_Time3", 0, [](const CSolView& v) -> KeyValue { return v.t_Time[2]; }},
    {"Game", "t_Game1", 0, [](const CSolView& v) -> KeyValue { return v.t_Game[0]; }},
    {"Game", "t_Game2", 0, [](const CSolView& v) -> KeyValue { return v.t_Game[1]; }},
    {"Game", "t_Game3", 0, [](const CSolView& v) -> KeyValue { return v.t_Game[2]; }},
    {"Options", "m_Show", 1, [](const CSolView& v) -> KeyValue { return v.m_Show; }},
    {"Options", "DblClk", 1, [](const CSolView& v) -> KeyValue { return v.m_DblClk; }},
    {"Options", "Rclk", 1, [](const CSolView& v) -> KeyValue { return v.m_Rclk; }},
    {"Name", "t_Name1", "", [](const CSolView& v) -> KeyValue { return v.t_Name[0]; }},
    {"Name", "t_Name2", "", [](const CSolView& v) -> KeyValue { return v.t_Name[1]; }},
    {"Name", "t_Name3", "", [](const CSolView& v) -> KeyValue { return v.t_Name[2]; }},
}};

GameKeyValues ValuesOf(const CSolView& view) {
    GameKeyValues values;
    for (std::size_t i = 0; i < kGameKeyCount; ++i) {
        values[i] = kGameKeys[i].member(view);
    }
    return values;
}

bool WriteKey(Profile& profile, const GameKey& key, const KeyValue& value) {
    return std::visit(Overloaded{[&](int number) {
                                     return profile.WriteProfileInt(key.section, key.name, number);
                                 },
                                 [&](const std::string& text) {
                                     return profile.WriteProfileString(key.section, key.name, text);
                                 }},
                      value);
}

std::string KeyName(const GameKey& key) {
    return std::string(key.section) + "/" + std::string(key.name);
}
