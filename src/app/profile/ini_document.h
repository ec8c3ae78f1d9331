#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of a profile file: "[Section]" lines and "key=value" lines.
// Section and key names match without regard to ASCII case or surrounding
// blanks; a value is everything after the first '=', as stored. Every line is
// kept as it was read, so changing one entry leaves comments, unknown and
// malformed lines alone, and so is a UTF-8 byte-order mark at the start. Of
// several sections of one name only the first is used, and in it the first
// entry of a key, both for reading and changing.
class IniDocument {
  public:
    explicit IniDocument(std::string_view text);

    // The stored value of `key` in `section`, if there is one.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Changes the stored value of `key` in `section`, or adds the entry at the
    // end of the section, or adds the section at the end of the text.
    void Set(std::string_view section, std::string_view key, std::string_view storedValue);

    // The whole text, every line ended by "\n", after the byte-order mark if
    // the text read had one.
    std::string Text() const;

  private:
    struct Place {
        bool sectionFound = false;
        std::size_t lastSectionLine = 0;  // the header or the section's last entry
        std::optional<std::size_t> keyLine;
    };
    Place Locate(std::string_view section, std::string_view key) const;

    bool m_byteOrderMark;
    std::vector<std::string> m_lines;
};
