#include "app/lock_key_state.h"

#include <fstream>
#include <string>
#include <system_error>

namespace {
const char* LightName(LockKey key) {
    switch (key) {
        case LockKey::Caps:
            return "::capslock";
        case LockKey::Num:
            return "::numlock";
        case LockKey::Scroll:
            return "::scrolllock";
    }
    return "";
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}
}  // namespace

LockKeyState::LockKeyState(std::filesystem::path lights) : m_lights(std::move(lights)) {}

std::optional<bool> LockKeyState::IsOn(LockKey key) const {
    std::error_code error;
    std::optional<bool> on;
    for (const auto& light : std::filesystem::directory_iterator(m_lights, error)) {
        if (!EndsWith(light.path().filename().string(), LightName(key))) {
            continue;
        }
        int brightness = 0;
        if (std::ifstream(light.path() / "brightness") >> brightness) {
            on = on.value_or(false) || brightness > 0;
        }
    }
    return on;
}
