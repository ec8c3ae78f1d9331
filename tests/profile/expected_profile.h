#pragma once

#include <string_view>

#include "game_keys.h"

// The values a game should start with from a profile file holding `fileText`,
// worked out line by line without the reader under test: for each key, the
// first "key=" line of the first section of its name (names without regard to
// ASCII case or surrounding blanks); integers read as blanks, an optional sign
// and the digits up to the first other character, giving the default without
// a digit or beyond the int range; texts decoded from "\\", "\n", "\r" and
// "\xHH", any other backslash kept.
GameKeyValues ExpectedValues(std::string_view fileText);
