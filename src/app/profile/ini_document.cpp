#include "app/profile/ini_document.h"

#include <algorithm>

namespace {

// Some editors start a UTF-8 file with it; it belongs to no line.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct Entry {
    std::string_view key;
    std::string_view value;
};

// A line without the carriage return that an editor of another system may
// have left at its end.
std::string_view Content(std::string_view line) {
    return line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, {}, AsciiLower, AsciiLower);
}

std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view text = TrimBlanks(Content(line));
    const std::size_t close = text.find(']');
    if (!text.starts_with('[') || close == std::string_view::npos) {
        return std::nullopt;
    }
    return TrimBlanks(text.substr(1, close - 1));
}

std::optional<Entry> ParseEntry(std::string_view line) {
    const std::string_view text = Content(line);
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view key = TrimBlanks(text.substr(0, equals));
    if (key.empty()) {
        return std::nullopt;
    }
    return Entry{key, text.substr(equals + 1)};
}

std::string EntryLine(std::string_view key, std::string_view storedValue) {
    std::string line(key);
    line += '=';
    line += storedValue;
    return line;
}

}  // namespace

IniDocument::IniDocument(std::string_view text)
    : m_byteOrderMark(text.starts_with(kByteOrderMark)) {
    if (m_byteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        m_lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

IniDocument::Place IniDocument::Locate(std::string_view section, std::string_view key) const {
    Place place;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (const auto name = SectionName(m_lines[i])) {
            if (place.sectionFound) {
                break;
            }
            place.sectionFound = SameName(*name, section);
            place.lastSectionLine = i;
        } else if (place.sectionFound) {
            if (const auto entry = ParseEntry(m_lines[i])) {
                if (SameName(entry->key, key)) {
                    place.keyLine = i;
                    break;
                }
                place.lastSectionLine = i;
            }
        }
    }
    return place;
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const {
    const Place place = Locate(section, key);
    if (!place.keyLine) {
        return std::nullopt;
    }
    return ParseEntry(m_lines[*place.keyLine])->value;
}

void IniDocument::Set(std::string_view section, std::string_view key,
                      std::string_view storedValue) {
    const Place place = Locate(section, key);
    if (place.keyLine) {
        m_lines[*place.keyLine] = EntryLine(key, storedValue);
    } else if (place.sectionFound) {
        const auto after = m_lines.begin() + static_cast<std::ptrdiff_t>(place.lastSectionLine + 1);
        m_lines.insert(after, EntryLine(key, storedValue));
    } else {
        // A blank line keeps the new section apart from the one above it.
        if (!m_lines.empty() && !TrimBlanks(Content(m_lines.back())).empty()) {
            m_lines.emplace_back();
        }
        m_lines.push_back(std::string(1, '[').append(section).append(1, ']'));
        m_lines.push_back(EntryLine(key, storedValue));
    }
}

std::string IniDocument::Text() const {
    std::string text(m_byteOrderMark ? kByteOrderMark : std::string_view{});
    for (const std::string& line : m_lines) {
        text += line;
        text += '\n';
    }
    return text;
}
