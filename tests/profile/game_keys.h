#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "game/sol_view.h"
#include "platform/profile.h"

// What a profile key holds once read: an integer or a text.
using KeyValue = std::variant<int, std::string>;

// One of the keys the game reads when it starts, with its default and the
// member of the view it lands in.
struct GameKey {
    std::string_view section;
    std::string_view name;
    KeyValue defaultValue;
    KeyValue (*member)(const CSolView& view);

    bool HoldsText() const { return std::holds_alternative<std::string>(defaultValue); }
};

constexpr std::size_t kGameKeyCount = 17;

// Every key the game reads, in the order it reads them.
extern const std::array<GameKey, kGameKeyCount> kGameKeys;

// The values of all keys, in the order of kGameKeys.
using GameKeyValues = std::array<KeyValue, kGameKeyCount>;

GameKeyValues ValuesOf(const CSolView& view);

// Stores `value` under `key` the way the game stores that key.
bool WriteKey(Profile& profile, const GameKey& key, const KeyValue& value);

// "Color/m_Red", for messages.
std::string KeyName(const GameKey& key);
