#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A best time's name is kept to this many characters, which the statistics
// show on one line of a dialog that fits any screen.
constexpr std::size_t kMaxNameLength = 32;

// What the player typed, as the name to keep: without control characters
// (line breaks, tabs and the like would split the statistics rows), and no
// longer than kMaxNameLength characters.
std::string TypedName(std::string_view typed);

// A stored name as the statistics show it: without control characters, and
// when longer than kMaxNameLength characters, cut short with an ellipsis.
std::string ShownName(std::string_view stored);
