#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "fakes/fake_platform.h"

// What a profile key holds once read: an integer or a text.
using KeyValue = std::variant<int, std::string>;

// One of the keys the game reads when it starts, and its default.
struct GameKey {
    std::string_view section;
    std::string_view name;
    KeyValue defaultValue;

    bool HoldsText() const { return std::holds_alternative<std::string>(defaultValue); }
    // "Color/m_Red", for messages.
    std::string FullName() const { return std::string(section) + "/" + std::string(name); }
};

constexpr std::size_t kGameKeyCount = 17;

// Every key the game reads, in the order it reads them.
extern const std::array<GameKey, kGameKeyCount> kGameKeys;

// The values of all keys, in the order of kGameKeys.
using GameKeyValues = std::array<KeyValue, kGameKeyCount>;

// A game started on `profile`, as the program starts one.
struct GameOnProfile {
    explicit GameOnProfile(Profile& profile)
        : view(doc, Platform{surface, window, dialogs, profile}) {}

    // What the game read for each key.
    GameKeyValues Values() const;

    CSolDoc doc;
    RecordingSurface surface;
    FakeWindow window;
    ScriptedDialogs dialogs;
    CSolView view;
};

// Stores `value` under `key` the way the game stores that key.
bool WriteKey(Profile& profile, const GameKey& key, const KeyValue& value);
