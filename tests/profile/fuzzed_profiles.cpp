#include "fuzzed_profiles.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kSectionNames[] = {"Color", "Status",  "Time",     "Game",
                                              "Name",  "Options", "Colour",   "Statu",
                                              "",      "Color2",  "Name Name"};
constexpr std::string_view kJunkKeys[] = {"m_Re", "m_Redd", "t_Name", "t_Time0", "Show", "", "x"};
// The bytes that shape a profile, and those that readers tend to trip on.
constexpr char kSpecialByteList[] = "[]=\r\n \t;#\\\0\x7f\xff-+0123456789x";
constexpr std::string_view kSpecialBytes(kSpecialByteList, sizeof kSpecialByteList - 1);

std::size_t Below(FuzzRandom& random, std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
}

bool OneIn(FuzzRandom& random, std::size_t n) {
    return Below(random, n) == 0;
}

template <class T, std::size_t N>
const T& PickFrom(FuzzRandom& random, const T (&choices)[N]) {
    return choices[Below(random, N)];
}

char AnyByte(FuzzRandom& random) {
    return static_cast<char>(Below(random, 256));
}

char SpecialByte(FuzzRandom& random) {
    return kSpecialBytes[Below(random, kSpecialBytes.size())];
}

std::string Blanks(FuzzRandom& random) {
    static constexpr std::string_view kBlanks[] = {"", "", "", " ", "\t", "  \t "};
    return std::string(PickFrom(random, kBlanks));
}

// A name as a person or another program might have typed it.
std::string Disguised(FuzzRandom& random, std::string_view name) {
    std::string text(name);
    if (OneIn(random, 4)) {
        for (char& c : text) {
            if (OneIn(random, 2) && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
                c = static_cast<char>(c ^ 0x20);
            }
        }
    }
    return Blanks(random) + text + Blanks(random);
}

std::string Digits(FuzzRandom& random, std::size_t count) {
    std::string digits;
    for (std::size_t i = 0; i < count; ++i) {
        digits += static_cast<char>('0' + Below(random, 10));
    }
    return digits;
}

int AnyInt(FuzzRandom& random) {
    return std::uniform_int_distribution<int>(INT_MIN, INT_MAX)(random);
}

std::string NumberText(FuzzRandom& random) {
    static constexpr std::string_view kEdges[] = {"2147483647",
                                                  "-2147483648",
                                                  "2147483648",
                                                  "-2147483649",
                                                  "4294967295",
                                                  "4294967296",
                                                  "-4294967296",
                                                  "9223372036854775807",
                                                  "-9223372036854775808",
                                                  "18446744073709551616",
                                                  "0",
                                                  "-0",
                                                  "+0"};
    switch (Below(random, 5)) {
        case 0:
            return std::to_string(static_cast<int>(Below(random, 400)) - 50);
        case 1:
            return std::to_string(AnyInt(random));
        case 2:
            return std::string(PickFrom(random, kEdges));
        case 3:
            return Digits(random, 10 + Below(random, 50));
        default:
            return std::string(Below(random, 30), '0') + Digits(random, 1 + Below(random, 12));
    }
}

std::string IntegerValue(FuzzRandom& random) {
    static constexpr std::string_view kSigns[] = {"",  "",  "",   "",   "",   "",
                                                  "-", "+", "+-", "--", "- ", "++"};
    static constexpr std::string_view kTails[] = {"",   "",  "",   "abc", " 12", "e5",
                                                  ".5", "x", "\r", " ",   "\t",  "\xd9\xa3"};
    std::string value = Blanks(random) + std::string(PickFrom(random, kSigns)) +
                        NumberText(random) + std::string(PickFrom(random, kTails));
    if (OneIn(random, 20)) {
        value.insert(Below(random, value.size() + 1), 1, '\0');
    }
    return value;
}

// Escapes good and broken, UTF-8, and raw bytes other than a line feed.
std::string TextValue(FuzzRandom& random) {
    static constexpr std::string_view kPieces[] = {
        "Ann",       " ",     "Lee",        "\\n",          "\\r",          "\\\\", "\\x41",
        "\\x7f",     "\\xff", "\\xg1",      "\\x4",         "\\",           "\\q",  "=",
        "[Options]", "]",     "Zo\xc3\xab", "\xe5\x90\x8d", "\xe2\x99\xa0", "\t",   "\r"};
    std::string value;
    for (std::size_t n = Below(random, 8); n > 0; --n) {
        if (OneIn(random, 6)) {
            const char byte = AnyByte(random);
            value += byte == '\n' ? '\0' : byte;
        } else {
            value += PickFrom(random, kPieces);
        }
    }
    return value;
}

std::string JunkLine(FuzzRandom& random) {
    std::string line;
    for (std::size_t n = Below(random, 80); n > 0; --n) {
        const char byte = OneIn(random, 2) ? AnyByte(random) : SpecialByte(random);
        line += byte == '\n' ? ' ' : byte;
    }
    return line;
}

// Mostly a section the game uses.
std::string_view SectionName(FuzzRandom& random) {
    return OneIn(random, 3) ? PickFrom(random, kSectionNames)
                            : kGameKeys[Below(random, kGameKeyCount)].section;
}

std::string SectionLine(FuzzRandom& random, std::string_view section) {
    const std::string name = Disguised(random, section);
    std::string line;
    switch (Below(random, 10)) {
        case 0:
            line = "[" + name;  // never closed
            break;
        case 1:
            line = name + "]";
            break;
        case 2:
            line = "[" + name + "]" + JunkLine(random);
            break;
        case 3:
            line = "[[" + name + "]]";
            break;
        default:
            line = "[" + name + "]";
    }
    return Blanks(random) + line + Blanks(random);
}

// Mostly a key of the section it stands in, as in a file the game wrote, now
// and then a key of another section.
const GameKey& PickKey(FuzzRandom& random, std::string_view section) {
    std::vector<const GameKey*> ofSection;
    for (const GameKey& key : kGameKeys) {
        if (key.section == section) {
            ofSection.push_back(&key);
        }
    }
    if (!ofSection.empty() && !OneIn(random, 4)) {
        return *ofSection[Below(random, ofSection.size())];
    }
    return kGameKeys[Below(random, kGameKeyCount)];
}

std::string EntryLine(FuzzRandom& random, std::string_view section) {
    const GameKey& gameKey = PickKey(random, section);
    const bool unknownKey = OneIn(random, 6);
    const std::string key =
        Disguised(random, unknownKey ? PickFrom(random, kJunkKeys) : gameKey.name);
    // Now and then a value of the other kind.
    const bool asText = gameKey.HoldsText() != OneIn(random, 6);
    const std::string value = asText ? TextValue(random) : IntegerValue(random);
    switch (Below(random, 12)) {
        case 0:
            return key + value;  // no '='
        case 1:
            return key + "==" + value;
        case 2:
            return "=" + value;
        default:
            return key + "=" + value;
    }
}

// A line of hundreds of kilobytes: a huge number, a huge name, or noise.
std::string OverlongLine(FuzzRandom& random) {
    const std::size_t length = 100'000 + Below(random, 400'000);
    switch (Below(random, 3)) {
        case 0:
            return std::string(kGameKeys[Below(random, kGameKeyCount)].name) + "=" +
                   Digits(random, length);
        case 1:
            return "[" + std::string(length, 'C') + "]";
        default: {
            std::string line(length, 'x');
            for (char& c : line) {
                if (OneIn(random, 64)) {
                    c = SpecialByte(random);
                }
            }
            std::replace(line.begin(), line.end(), '\n', '=');
            return line;
        }
    }
}

std::string LineEnd(FuzzRandom& random) {
    static constexpr std::string_view kEnds[] = {"\n",   "\n",   "\n", "\n",     "\n",
                                                 "\r\n", "\r\n", "\r", "\r\r\n", "\n\r"};
    return std::string(PickFrom(random, kEnds));
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size()) {
            text += '\n';
        }
    }
    return text;
}

std::string WellFormedFullProfile(FuzzRandom& random) {
    std::vector<std::string_view> sections = {"Color", "Status", "Time", "Game", "Options", "Name"};
    std::shuffle(sections.begin(), sections.end(), random);
    const std::string end = OneIn(random, 4) ? "\r\n" : "\n";
    std::string text;
    for (const std::string_view section : sections) {
        text += "[" + std::string(section) + "]" + end;
        for (const GameKey& key : kGameKeys) {
            if (key.section == section) {
                const std::string value =
                    key.HoldsText() ? TextValue(random) : std::to_string(AnyInt(random));
                text += std::string(key.name) + "=" + value + end;
            }
        }
    }
    return text;
}

void Mutate(FuzzRandom& random, std::string& text) {
    const std::size_t at = Below(random, text.size() + 1);
    switch (Below(random, 10)) {
        case 0:
            if (at < text.size()) {
                text[at] = static_cast<char>(text[at] ^ (1 << Below(random, 8)));
            }
            break;
        case 1:
            if (at < text.size()) {
                text[at] = SpecialByte(random);
            }
            break;
        case 2:
            for (std::size_t n = 1 + Below(random, 8); n > 0; --n) {
                text.insert(at, 1, OneIn(random, 2) ? AnyByte(random) : SpecialByte(random));
            }
            break;
        case 3:
            text.erase(at, 1 + Below(random, 16));
            break;
        case 4:
            text.resize(at);
            break;
        case 5: {
            const std::string_view section = SectionName(random);
            text.insert(at, "\n" +
                                (OneIn(random, 2) ? SectionLine(random, section)
                                                  : EntryLine(random, section)) +
                                LineEnd(random));
            break;
        }
        case 6:
            if (OneIn(random, 20)) {
                text.insert(at, OverlongLine(random));
            }
            break;
        default: {
            std::vector<std::string> lines = SplitLines(text);
            const std::size_t a = Below(random, lines.size());
            const std::size_t b = Below(random, lines.size());
            if (OneIn(random, 3)) {
                std::swap(lines[a], lines[b]);
            } else if (OneIn(random, 2)) {
                lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(a), lines[b]);
            } else {
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(a));
            }
            text = JoinLines(lines);
        }
    }
}

}  // namespace

std::string RandomBytes(FuzzRandom& random) {
    const bool profileBytes = OneIn(random, 2);
    std::string text;
    for (std::size_t n = Below(random, 4096); n > 0; --n) {
        if (!profileBytes) {
            text += AnyByte(random);
        } else if (OneIn(random, 2)) {
            text += SpecialByte(random);
        } else {
            const std::string_view name = kGameKeys[Below(random, kGameKeyCount)].name;
            text += name[Below(random, name.size())];
        }
    }
    return text;
}

std::string RandomProfileText(FuzzRandom& random) {
    const std::size_t lineCount = 1 + Below(random, 60);
    const std::size_t overlongAt = OneIn(random, 25) ? Below(random, lineCount) : lineCount;
    std::string_view section;  // of the last header written
    std::string text;
    for (std::size_t i = 0; i < lineCount; ++i) {
        const std::size_t kind = Below(random, 20);
        if (i == overlongAt) {
            text += OverlongLine(random);
        } else if (kind < 5) {
            section = SectionName(random);
            text += SectionLine(random, section);
        } else if (kind < 16) {
            text += EntryLine(random, section);
        } else if (kind < 18) {
            text += OneIn(random, 2) ? "" : "; " + TextValue(random);
        } else {
            text += JunkLine(random);
        }
        if (i + 1 < lineCount || !OneIn(random, 2)) {
            text += LineEnd(random);
        }
    }
    return text;
}

std::string MutatedFullProfile(FuzzRandom& random) {
    std::string text = WellFormedFullProfile(random);
    for (std::size_t n = 1 + Below(random, 8); n > 0; --n) {
        Mutate(random, text);
    }
    return text;
}

KeyValue RandomValueFor(const GameKey& key, FuzzRandom& random) {
    if (!key.HoldsText()) {
        return OneIn(random, 4) ? (OneIn(random, 2) ? INT_MIN : INT_MAX) : AnyInt(random);
    }
    std::string name;
    for (std::size_t n = Below(random, 40); n > 0; --n) {
        name += OneIn(random, 2) ? AnyByte(random) : SpecialByte(random);
    }
    return name;
}
