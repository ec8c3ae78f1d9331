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

// Makes damaged profile text from one random source.
class Damage {
  public:
    explicit Damage(FuzzRandom& random) : m_random(random) {}

    std::size_t Below(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(m_random);
    }
    bool OneIn(std::size_t n) { return Below(n) == 0; }
    int AnyInt() { return std::uniform_int_distribution<int>(INT_MIN, INT_MAX)(m_random); }
    char AnyByte() { return static_cast<char>(Below(256)); }
    char SpecialByte() { return kSpecialBytes[Below(kSpecialBytes.size())]; }
    char MixedByte() { return OneIn(2) ? AnyByte() : SpecialByte(); }
    const GameKey& AnyKey() { return kGameKeys[Below(kGameKeyCount)]; }

    template <std::size_t N>
    std::string Pick(const std::string_view (&choices)[N]) {
        return std::string(choices[Below(N)]);
    }

    // `count` pieces made by `make`, one after the other.
    template <class Make>
    static std::string Repeated(std::size_t count, Make make) {
        std::string text;
        while (count-- > 0) {
            text += make();
        }
        return text;
    }

    std::string Digits(std::size_t count) {
        return Repeated(count, [&] { return static_cast<char>('0' + Below(10)); });
    }

    // A name as a person or another program might have typed it.
    std::string Disguised(std::string_view name) {
        std::string text(name);
        const bool oddCase = OneIn(4);
        for (char& c : text) {
            if (oddCase && std::isalpha(static_cast<unsigned char>(c)) && OneIn(2)) {
                c = static_cast<char>(c ^ 0x20);
            }
        }
        return Pick(kBlanks) + text + Pick(kBlanks);
    }

    std::string IntegerValue() {
        const std::size_t kind = Below(5);
        const std::string number = kind == 0   ? std::to_string(static_cast<int>(Below(400)) - 50)
                                   : kind == 1 ? std::to_string(AnyInt())
                                   : kind == 2 ? Pick(kNumberEdges)
                                   : kind == 3
                                       ? Digits(10 + Below(50))
                                       : std::string(Below(30), '0') + Digits(1 + Below(12));
        return Pick(kBlanks) + Pick(kSigns) + number + Pick(kNumberTails);
    }

    std::string TextValue() {
        return Repeated(Below(8), [&] {
            const char byte = AnyByte();
            return OneIn(6) && byte != '\n' ? std::string(1, byte) : Pick(kTextPieces);
        });
    }

    std::string JunkLine() {
        return Repeated(Below(80), [&] {
            const char byte = MixedByte();
            return byte == '\n' ? ' ' : byte;
        });
    }

    // Mostly a key of `section`, as in a file the game wrote.
    const GameKey& KeyOf(std::string_view section) {
        const GameKey* key = &AnyKey();
        while (key->section != section && !OneIn(16)) {
            key = &AnyKey();
        }
        return *key;
    }

    // A line of any shape; one with a section name starts a new `section`.
    std::string AnyLine(std::string& section) {
        const std::string shape = Pick(kLineShapes);
        if (shape.find('S') != std::string::npos) {
            section = OneIn(3) ? Pick(kOddSections) : std::string(AnyKey().section);
        }
        const GameKey& key = KeyOf(section);
        const bool asText = key.HoldsText() != OneIn(6);
        std::string line = Pick(kBlanks);
        for (const char c : shape) {
            line += c == 'S'   ? Disguised(section)
                    : c == 'K' ? Disguised(OneIn(6) ? Pick(kUnknownKeys) : std::string(key.name))
                    : c == 'V' ? (asText ? TextValue() : IntegerValue())
                    : c == 'T' ? TextValue()
                    : c == 'J' ? JunkLine()
                               : std::string(1, c);
        }
        return line + Pick(kBlanks);
    }

    // A line of hundreds of kilobytes: a huge number, a huge name, or noise.
    std::string OverlongLine() {
        const std::size_t length = 100'000 + Below(400'000);
        const std::size_t kind = Below(3);
        return kind == 0   ? std::string(AnyKey().name) + "=" + Digits(length)
               : kind == 1 ? "[" + std::string(length, 'C') + "]"
                           : Repeated(length, [&] {
                                 const char byte = SpecialByte();
                                 return OneIn(64) && byte != '\n' ? byte : 'x';
                             });
    }

    // Every key in its own section, sections in any order.
    std::vector<std::string> WellFormedFullProfile() {
        std::vector<std::string_view> sections = {"Color", "Status",  "Time",
                                                  "Game",  "Options", "Name"};
        std::shuffle(sections.begin(), sections.end(), m_random);
        std::vector<std::string> lines;
        for (const std::string_view section : sections) {
            lines.push_back("[" + std::string(section) + "]");
            for (const GameKey& key : kGameKeys) {
                if (key.section == section) {
                    lines.push_back(std::string(key.name) + "=" +
                                    (key.HoldsText() ? TextValue() : std::to_string(AnyInt())));
                }
            }
        }
        return lines;
    }

    // Swaps, repeats, drops or inserts a line.
    void MutateLines(std::vector<std::string>& lines) {
        const auto at = lines.begin() + static_cast<std::ptrdiff_t>(Below(lines.size()));
        std::string& other = lines[Below(lines.size())];
        const std::size_t kind = Below(4);
        if (kind == 0) {
            std::swap(*at, other);
        } else if (kind == 1) {
            lines.insert(at, std::string(other));
        } else if (kind == 2 && lines.size() > 1) {
            lines.erase(at);
        } else {
            std::string section(AnyKey().section);
            lines.insert(at, OneIn(20) ? OverlongLine() : AnyLine(section));
        }
    }

    // Flips, replaces, inserts or cuts bytes.
    void MutateBytes(std::string& text) {
        const std::size_t at = Below(text.size() + 1);
        const std::size_t kind = Below(5);
        if (kind < 2 && at < text.size()) {
            text[at] = kind == 0 ? static_cast<char>(text[at] ^ (1 << Below(8))) : SpecialByte();
        } else if (kind == 2) {
            text.insert(at, Repeated(1 + Below(8), [&] { return MixedByte(); }));
        } else if (kind == 3) {
            text.erase(at, 1 + Below(16));
        } else if (kind == 4) {
            text.resize(at);
        }
    }

  private:
    FuzzRandom& m_random;
};

}  // namespace

std::string RandomBytes(FuzzRandom& random) {
    Damage damage(random);
    const bool profileBytes = damage.OneIn(2);
    return Damage::Repeated(damage.Below(4096), [&] {
        const std::string_view name = damage.AnyKey().name;
        return !profileBytes     ? damage.AnyByte()
               : damage.OneIn(2) ? damage.SpecialByte()
                                 : name[damage.Below(name.size())];
    });
}

std::string RandomProfileText(FuzzRandom& random) {
    Damage damage(random);
    const std::size_t lineCount = 1 + damage.Below(60);
    const std::size_t overlongAt = damage.OneIn(25) ? damage.Below(lineCount) : lineCount;
    std::string section;
    std::string text;
    for (std::size_t i = 0; i < lineCount; ++i) {
        text += i == overlongAt ? damage.OverlongLine() : damage.AnyLine(section);
        if (i + 1 < lineCount || !damage.OneIn(2)) {
            text += damage.Pick(kLineEnds);
        }
    }
    return text;
}

std::string MutatedFullProfile(FuzzRandom& random) {
    Damage damage(random);
    std::vector<std::string> lines = damage.WellFormedFullProfile();
    for (std::size_t n = damage.Below(4); n > 0; --n) {
        damage.MutateLines(lines);
    }
    const std::string end = damage.OneIn(4) ? "\r\n" : "\n";
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    for (std::size_t n = 1 + damage.Below(5); n > 0; --n) {
        damage.MutateBytes(text);
    }
    return text;
}

KeyValue RandomValueFor(const GameKey& key, FuzzRandom& random) {
    Damage damage(random);
    if (key.HoldsText()) {
        return Damage::Repeated(damage.Below(40), [&] { return damage.MixedByte(); });
    }
    return damage.OneIn(4) ? (damage.OneIn(2) ? INT_MIN : INT_MAX) : damage.AnyInt();
}
