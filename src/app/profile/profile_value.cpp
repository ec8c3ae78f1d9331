#include "app/profile/profile_value.h"

#include <charconv>
#include <optional>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool IsControl(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

// The byte named by exactly two hex digits.
std::optional<char> HexByte(std::string_view digits) {
    unsigned byte = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), byte, 16);
    if (digits.size() != 2 || error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return static_cast<char>(byte);
}

struct DecodedEscape {
    char byte;
    std::size_t length;
};

// The byte that an escape at the start of `text` stands for, if one starts there.
std::optional<DecodedEscape> DecodeEscape(std::string_view text) {
    if (text.size() < 2 || text[0] != '\\') {
        return std::nullopt;
    }
    switch (text[1]) {
        case '\\':
            return DecodedEscape{'\\', 2};
        case 'n':
            return DecodedEscape{'\n', 2};
        case 'r':
            return DecodedEscape{'\r', 2};
        case 'x':
            if (const auto byte = HexByte(text.substr(2, 2))) {
                return DecodedEscape{*byte, 4};
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::string EscapeProfileValue(std::string_view value) {
    std::string stored;
    stored.reserve(value.size());
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            stored += "\\\\";
        } else if (c == '\n') {
            stored += "\\n";
        } else if (c == '\r') {
            stored += "\\r";
        } else if (IsControl(byte)) {
            stored += "\\x";
            stored += kHexDigits[byte >> 4];
            stored += kHexDigits[byte & 0xF];
        } else {
            stored += c;
        }
    }
    return stored;
}

std::string UnescapeProfileValue(std::string_view stored) {
    std::string value;
    value.reserve(stored.size());
    std::size_t i = 0;
    while (i < stored.size()) {
        if (const auto escape = DecodeEscape(stored.substr(i))) {
            value += escape->byte;
            i += escape->length;
        } else {
            value += stored[i];
            ++i;
        }
    }
    return value;
}

int ParseProfileInt(std::string_view stored, int fallback) {
    const std::size_t start = stored.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return fallback;
    }
    std::string_view number = stored.substr(start);
    // from_chars takes a minus sign but not a plus sign.
    if (number.starts_with('+') && !number.substr(1).starts_with('-')) {
        number.remove_prefix(1);
    }
    int value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    return result.ec == std::errc{} ? value : fallback;
}
