#include "expected_profile.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<std::string_view> LinesWithoutEnds(std::string_view text) {
    std::vector<std::string_view> lines;
    for (;;) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            return lines;
        }
        text.remove_prefix(end + 1);
    }
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

char Lowered(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view written, std::string_view wanted) {
    written = Trimmed(written);
    if (written.size() != wanted.size()) {
        return false;
    }
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (Lowered(written[i]) != Lowered(wanted[i])) {
            return false;
        }
    }
    return true;
}

std::optional<std::string_view> FirstStoredValue(const std::vector<std::string_view>& lines,
                                                 std::string_view section, std::string_view key) {
    bool inWantedSection = false;
    for (const std::string_view line : lines) {
        const std::string_view trimmed = Trimmed(line);
        const std::size_t close = trimmed.find(']');
        if (trimmed.starts_with('[') && close != std::string_view::npos) {
            if (inWantedSection) {
                return std::nullopt;  // only the first section of the name counts
            }
            inWantedSection = SameName(trimmed.substr(1, close - 1), section);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (inWantedSection && equals != std::string_view::npos &&
            SameName(line.substr(0, equals), key)) {
            return line.substr(equals + 1);
        }
    }
    return std::nullopt;
}

std::optional<int> OldProfileInteger(std::string_view stored) {
    std::size_t i = 0;
    while (i < stored.size() && (stored[i] == ' ' || stored[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < stored.size() && (stored[i] == '+' || stored[i] == '-')) {
        negative = stored[i] == '-';
        ++i;
    }
    // Capped just beyond the int range, so any number of digits fits.
    constexpr std::int64_t kCap = std::int64_t{1} << 32;
    std::int64_t magnitude = 0;
    std::size_t digits = 0;
    for (; i < stored.size() && stored[i] >= '0' && stored[i] <= '9'; ++i, ++digits) {
        magnitude = std::min(magnitude * 10 + (stored[i] - '0'), kCap);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (digits == 0 || value < INT_MIN || value > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::string DecodedText(std::string_view stored) {
    std::string text;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const std::string_view rest = stored.substr(i);
        if (rest.starts_with("\\\\")) {
            text += '\\';
            ++i;
        } else if (rest.starts_with("\\n")) {
            text += '\n';
            ++i;
        } else if (rest.starts_with("\\r")) {
            text += '\r';
            ++i;
        } else if (rest.size() >= 4 && rest.starts_with("\\x") && HexDigitValue(rest[2]) >= 0 &&
                   HexDigitValue(rest[3]) >= 0) {
            text += static_cast<char>(HexDigitValue(rest[2]) * 16 + HexDigitValue(rest[3]));
            i += 3;
        } else {
            text += stored[i];
        }
    }
    return text;
}

}  // namespace

GameKeyValues ExpectedValues(std::string_view fileText) {
    const std::vector<std::string_view> lines = LinesWithoutEnds(fileText);
    GameKeyValues values;
    for (std::size_t k = 0; k < kGameKeyCount; ++k) {
        const GameKey& key = kGameKeys[k];
        const std::optional<std::string_view> stored =
            FirstStoredValue(lines, key.section, key.name);
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
