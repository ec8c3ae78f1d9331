#include "score/player_name.h"

#include <algorithm>

namespace {

// The bytes of a UTF-8 character, from its first byte; a byte that starts none
// stands alone.
std::size_t CharacterBytes(unsigned char first) {
    return first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
}

// The C0 and C1 controls, delete, and the line and paragraph separators.
bool IsControl(std::string_view character) {
    const auto byte = [character](std::size_t i) { return static_cast<unsigned char>(character[i]); };
    return (character.size() == 1 && (byte(0) < 0x20 || byte(0) == 0x7F)) ||
           (character.size() == 2 && byte(0) == 0xC2 && byte(1) < 0xA0) ||
           character == "\u2028" || character == "\u2029";
}

struct OneLine {
    std::string text;
    bool cut = false;  // characters beyond the limit were left out
};

// The characters of `name` other than controls, up to `limit` of them.
OneLine WithoutControls(std::string_view name, std::size_t limit) {
    OneLine line;
    std::size_t characters = 0;
    while (!name.empty()) {
        const std::string_view character =
            name.substr(0, std::min(name.size(), CharacterBytes(name.front())));
        name.remove_prefix(character.size());
        if (IsControl(character)) {
            continue;
        }
        if (characters == limit) {
            line.cut = true;
            break;
        }
        line.text += character;
        ++characters;
    }
    return line;
}

}  // namespace

std::string TypedName(std::string_view typed) {
    return WithoutControls(typed, kMaxNameLength).text;
}

std::string ShownName(std::string_view stored) {
    OneLine shown = WithoutControls(stored, kMaxNameLength);
    if (shown.cut) {
        shown.text = WithoutControls(stored, kMaxNameLength - 1).text + "\u2026";
    }
    return shown.text;
}
