#include "expected_profile.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>

namespace {

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos
               ? std::string_view{}
               : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(std::string_view written, std::string_view wanted) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    return std::ranges::equal(Trimmed(written), wanted, {}, lower, lower);
}

std::optional<std::string_view> FirstStoredValue(std::string_view text, const GameKey& key) {
    bool inSection = false;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        const std::string_view trimmed = Trimmed(line);
        const std::size_t close = trimmed.find(']');
        const std::size_t equals = line.find('=');
        if (trimmed.starts_with('[') && close != std::string_view::npos) {
            if (inSection) {
                return std::nullopt;  // only the first section of the name counts
            }
            inSection = SameName(trimmed.substr(1, close - 1), key.section);
        } else if (inSection && equals != std::string_view::npos &&
                   SameName(line.substr(0, equals), key.name)) {
            return line.substr(equals + 1);
        }
    }
    return std::nullopt;
}

std::optional<int> OldProfileInteger(std::string_view stored) {
    stored.remove_prefix(std::min(stored.find_first_not_of(" \t"), stored.size()));
    const bool negative = stored.starts_with('-');
    if (negative || stored.starts_with('+')) {
        stored.remove_prefix(1);
    }
    // Capped just beyond the int range, so any number of digits fits.
    std::int64_t magnitude = 0;
    std::size_t digits = 0;
    for (; digits < stored.size() && std::isdigit(static_cast<unsigned char>(stored[digits]));
         ++digits) {
        magnitude = std::min(magnitude * 10 + (stored[digits] - '0'), std::int64_t{1} << 32);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (digits == 0 || value < INT_MIN || value > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::string DecodedText(std::string_view stored) {
    const auto isHex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    std::string text;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const std::string_view rest = stored.substr(i);
        if (rest.starts_with("\\\\") || rest.starts_with("\\n") || rest.starts_with("\\r")) {
            text += rest[1] == 'n' ? '\n' : rest[1] == 'r' ? '\r' : '\\';
            i += 1;
        } else if (rest.starts_with("\\x") && rest.size() >= 4 && isHex(rest[2]) &&
                   isHex(rest[3])) {
            text += static_cast<char>(std::stoi(std::string(rest.substr(2, 2)), nullptr, 16));
            i += 3;
        } else {
            text += stored[i];
        }
    }
    return text;
}

}  // namespace

GameKeyValues ExpectedValues(std::string_view fileText) {
    GameKeyValues values;
    for (std::size_t k = 0; k < kGameKeyCount; ++k) {
        const GameKey& key = kGameKeys[k];
        const std::optional<std::string_view> stored = FirstStoredValue(fileText, key);
        if (!stored) {
            values[k] = key.defaultValue;
        } else if (key.HoldsText()) {
            values[k] = DecodedText(*stored);
        } else {
            values[k] = OldProfileInteger(*stored).value_or(std::get<int>(key.defaultValue));
        }
    }
    return values;
}
