#pragma once

#include <string>
#include <string_view>

// Strings are stored escaped so that nothing a player types can end its line
// or start a section or an entry: backslash, line feed and carriage return
// become "\\", "\n" and "\r", every other control byte "\xHH"; all other
// bytes, UTF-8 included, are stored as they are.
std::string EscapeProfileValue(std::string_view value);

// Undoes EscapeProfileValue. A backslash that starts no known escape is kept
// as it stands, so hand-written values read back unchanged.
std::string UnescapeProfileValue(std::string_view stored);

// Reads an integer the way profile integers have always been read: optional
// leading blanks, an optional sign, then the decimal digits up to the first
// other character. No digits at all, or a number outside the int range,
// gives `fallback`.
int ParseProfileInt(std::string_view stored, int fallback);
