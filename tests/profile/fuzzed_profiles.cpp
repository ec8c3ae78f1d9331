#include "fuzzed_profiles.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <string_view>
#include <vector>

namespace {

// clang-format off
// The bytes that shape a profile, and those that readers tend to trip on.
constexpr char kSpecialByteList[] = "[]=\r\n \t;#\\\0\x7f\xff-+0123456789x";
constexpr std::string_view kSpecialBytes(kSpecialByteList, sizeof kSpecialByteList - 1);
constexpr std::string_view kNumberEdges[] = {"2147483647", "-2147483648", "2147483648",
    "-2147483649", "4294967295", "4294967296", "-4294967296", "0", "-0", "+0",
    "9223372036854775807", "-9223372036854775808", "18446744073709551616"};
constexpr std::string_view kSigns[] = {"", "", "", "", "", "", "-", "+", "+-", "--", "- ", "++"};
constexpr std::string_view kNumberTails[] = {"", "", "", "abc", " 12", "e5", ".5", "x", "\r", " ",
    "\t", "\xd9\xa3", std::string_view("\0", 1)};
// Escapes good and broken, UTF-8, and the profile's own punctuation.
constexpr std::string_view kTextPieces[] = {"Ann", "Lee", " ", "\\n", "\\r", "\\\\", "\\x41",
    "\\x7f", "\\xff", "\\xg1", "\\x4", "\\", "\\q", "=", "[Options]", "]", "Zo\xc3\xab",
    "\xe5\x90\x8d", "\xe2\x99\xa0", "\t", "\r"};
constexpr std::string_view kOddSections[] = {"Colour", "Statu", "", "Color2", "Name Name"};
constexpr std::string_view kUnknownKeys[] = {"m_Re", "m_Redd", "t_Name", "t_Time0", "Show", "", "x"};
constexpr std::string_view kBlanks[] = {"", "", "", " ", "\t", "  \t "};
constexpr std::string_view kLineEnds[] = {"\n", "\n", "\n", "\n", "\n", "\r\n", "\r\n", "\r",
    "\r\r\n", "\n\r"};
// Line shapes, each as often as it stands here: S a section name and K a key
// name, both now and then in odd case and blanks; V a value of the key's kind,
// now and then of the other; T a text; J junk bytes.
constexpr std::string_view kLineShapes[] = {"[S]", "[S]", "[S]", "[S]", "[S", "S]", "[S]J",
    "[[S]]", "K=V", "K=V", "K=V", "K=V", "K=V", "K=V", "K=V", "K=V", "K=V", "KV", "K==V", "=V",
    "", "; T", "J"};
// clang-format on

std::size_t Below(FuzzRandom& random, std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
}

bool OneIn(FuzzRandom& random, std::size_t n) {
    return Below(random, n) == 0;
}

template <std::size_t N>
std::string Pick(FuzzRandom& random, const std::string_view (&choices)[N]) {
    return std::string(choices[Below(random, N)]);
}

int AnyInt(FuzzRandom& random) {
    return std::uniform_int_distribution<int>(INT_MIN, INT_MAX)(random);
}

char AnyByte(FuzzRandom& random) {
    return static_cast<char>(Below(random, 256));
}

char SpecialByte(FuzzRandom& random) {
    return kSpecialBytes[Below(random, kSpecialBytes.size())];
}

char MixedByte(FuzzRandom& random) {
    return OneIn(random, 2) ? AnyByte(random) : SpecialByte(random);
}

// `count` pieces made by `make`, one after the other.
template <class Make>
std::string Repeated(std::size_t count, Make make) {
    std::string text;
    while (count-- > 0) {
        text += make();
    }
    return text;
}

std::string Digits(FuzzRandom& random, std::size_t count) {
    return Repeated(count, [&] { return static_cast<char>('0' + Below(random, 10)); });
}

const GameKey& AnyKey(FuzzRandom& random) {
    return kGameKeys[Below(random, kGameKeyCount)];
}

// A name as a person or another program might have typed it.
std::string Disguised(FuzzRandom& random, std::string_view name) {
    std::string text(name);
    const bool oddCase = OneIn(random, 4);
    for (char& c : text) {
        if (oddCase && std::isalpha(static_cast<unsigned char>(c)) && OneIn(random, 2)) {
            c = static_cast<char>(c ^ 0x20);
        }
    }
    return Pick(random, kBlanks) + text + Pick(random, kBlanks);
}

std::string IntegerValue(FuzzRandom& random) {
    const std::size_t kind = Below(random, 5);
    const std::string number =
        kind == 0   ? std::to_string(static_cast<int>(Below(random, 400)) - 50)
        : kind == 1 ? std::to_string(AnyInt(random))
        : kind == 2 ? Pick(random, kNumberEdges)
        : kind == 3 ? Digits(random, 10 + Below(random, 50))
                    : std::string(Below(random, 30), '0') + Digits(random, 1 + Below(random, 12));
    return Pick(random, kBlanks) + Pick(random, kSigns) + number + Pick(random, kNumberTails);
}

std::string TextValue(FuzzRandom& random) {
    return Repeated(Below(random, 8), [&] {
        const char byte = AnyByte(random);
        return OneIn(random, 6) && byte != '\n' ? std::string(1, byte) : Pick(random, kTextPieces);
    });
}

std::string JunkLine(FuzzRandom& random) {
    return Repeated(Below(random, 80), [&] {
        const char byte = MixedByte(random);
        return byte == '\n' ? ' ' : byte;
    });
}

// Mostly a key of `section`, as in a file the game wrote.
const GameKey& KeyOf(FuzzRandom& random, std::string_view section) {
    const GameKey* key = &AnyKey(random);
    while (key->section != section && !OneIn(random, 16)) {
        key = &AnyKey(random);
    }
    return *key;
}

// A line of any shape; one with a section name starts a new `section`.
std::string AnyLine(FuzzRandom& random, std::string& section) {
    const std::string shape = Pick(random, kLineShapes);
    if (shape.find('S') != std::string::npos) {
        section =
            OneIn(random, 3) ? Pick(random, kOddSections) : std::string(AnyKey(random).section);
    }
    const GameKey& key = KeyOf(random, section);
    const bool asText = key.HoldsText() != OneIn(random, 6);
    std::string line = Pick(random, kBlanks);
    for (const char c : shape) {
        line += c == 'S'   ? Disguised(random, section)
                : c == 'K' ? Disguised(random, OneIn(random, 6) ? Pick(random, kUnknownKeys)
                                                                : std::string(key.name))
                : c == 'V' ? (asText ? TextValue(random) : IntegerValue(random))
                : c == 'T' ? TextValue(random)
                : c == 'J' ? JunkLine(random)
                           : std::string(1, c);
    }
    return line + Pick(random, kBlanks);
}

// A line of hundreds of kilobytes: a huge number, a huge name, or noise.
std::string OverlongLine(FuzzRandom& random) {
    const std::size_t length = 100'000 + Below(random, 400'000);
    const std::size_t kind = Below(random, 3);
    return kind == 0   ? std::string(AnyKey(random).name) + "=" + Digits(random, length)
           : kind == 1 ? "[" + std::string(length, 'C') + "]"
                       : Repeated(length, [&] {
                             const char byte = SpecialByte(random);
                             return OneIn(random, 64) && byte != '\n' ? byte : 'x';
                         });
}

// Every key in its own section, sections in any order.
std::vector<std::string> WellFormedFullProfile(FuzzRandom& random) {
    std::vector<std::string_view> sections = {"Color", "Status", "Time", "Game", "Options", "Name"};
    std::shuffle(sections.begin(), sections.end(), random);
    std::vector<std::string> lines;
    for (const std::string_view section : sections) {
        lines.push_back("[" + std::string(section) + "]");
        for (const GameKey& key : kGameKeys) {
            if (key.section == section) {
                lines.push_back(
                    std::string(key.name) + "=" +
                    (key.HoldsText() ? TextValue(random) : std::to_string(AnyInt(random))));
            }
        }
    }
    return lines;
}

// Swaps, repeats, drops or inserts a line.
void MutateLines(FuzzRandom& random, std::vector<std::string>& lines) {
    const auto at = lines.begin() + static_cast<std::ptrdiff_t>(Below(random, lines.size()));
    std::string& other = lines[Below(random, lines.size())];
    const std::size_t kind = Below(random, 4);
    if (kind == 0) {
        std::swap(*at, other);
    } else if (kind == 1) {
        lines.insert(at, std::string(other));
    } else if (kind == 2 && lines.size() > 1) {
        lines.erase(at);
    } else {
        std::string section(AnyKey(random).section);
        lines.insert(at, OneIn(random, 20) ? OverlongLine(random) : AnyLine(random, section));
    }
}

// Flips, replaces, inserts or cuts bytes.
void MutateBytes(FuzzRandom& random, std::string& text) {
    const std::size_t at = Below(random, text.size() + 1);
    const std::size_t kind = Below(random, 5);
    if (kind < 2 && at < text.size()) {
        text[at] =
            kind == 0 ? static_cast<char>(text[at] ^ (1 << Below(random, 8))) : SpecialByte(random);
    } else if (kind == 2) {
        text.insert(at, Repeated(1 + Below(random, 8), [&] { return MixedByte(random); }));
    } else if (kind == 3) {
        text.erase(at, 1 + Below(random, 16));
    } else if (kind == 4) {
        text.resize(at);
    }
}

}  // namespace

std::string RandomBytes(FuzzRandom& random) {
    const bool profileBytes = OneIn(random, 2);
    return Repeated(Below(random, 4096), [&] {
        const std::string_view name = AnyKey(random).name;
        return !profileBytes      ? AnyByte(random)
               : OneIn(random, 2) ? SpecialByte(random)
                                  : name[Below(random, name.size())];
    });
}

std::string RandomProfileText(FuzzRandom& random) {
    const std::size_t lineCount = 1 + Below(random, 60);
    const std::size_t overlongAt = OneIn(random, 25) ? Below(random, lineCount) : lineCount;
    std::string section;
    std::string text;
    for (std::size_t i = 0; i < lineCount; ++i) {
        text += i == overlongAt ? OverlongLine(random) : AnyLine(random, section);
        if (i + 1 < lineCount || !OneIn(random, 2)) {
            text += Pick(random, kLineEnds);
        }
    }
    return text;
}

std::string MutatedFullProfile(FuzzRandom& random) {
    std::vector<std::string> lines = WellFormedFullProfile(random);
    for (std::size_t n = Below(random, 4); n > 0; --n) {
        MutateLines(random, lines);
    }
    const std::string end = OneIn(random, 4) ? "\r\n" : "\n";
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    for (std::size_t n = 1 + Below(random, 5); n > 0; --n) {
        MutateBytes(random, text);
    }
    return text;
}

KeyValue RandomValueFor(const GameKey& key, FuzzRandom& random) {
    if (key.HoldsText()) {
        return Repeated(Below(random, 40), [&] { return MixedByte(random); });
    }
    return OneIn(random, 4) ? (OneIn(random, 2) ? INT_MIN : INT_MAX) : AnyInt(random);
}
