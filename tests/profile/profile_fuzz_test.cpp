#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "app/profile/ini_profile.h"
#include "expected_profile.h"
#include "fuzzed_profiles.h"
#include "game_keys.h"
#include "profile_folder.h"

namespace {

// The start of a file with its unprintable bytes spelled out, for a message.
std::string Excerpt(std::string_view text) {
    std::string shown;
    for (const char c : text.substr(0, 240)) {
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
        shown += c >= 0x20 && c < 0x7F && c != '\\' ? std::string(1, c) : escaped;
    }
    return '"' + shown + "\" (" + std::to_string(text.size()) + " bytes)";
}

void ExpectValues(const GameKeyValues& actual, const GameKeyValues& expected,
                  const std::string& when) {
    for (std::size_t k = 0; k < kGameKeyCount; ++k) {
        EXPECT_EQ(actual[k], expected[k]) << kGameKeys[k].FullName() << ' ' << when;
    }
}

// A kind of damaged file: file i of the kind is made from seed firstSeed + i.
struct FuzzSource {
    const char* name;
    std::string (*make)(FuzzRandom&);
    std::uint64_t firstSeed;
};

void PrintTo(const FuzzSource& source, std::ostream* out) {
    *out << source.name;
}

class FuzzedProfile : public ProfileFolder, public ::testing::WithParamInterface<FuzzSource> {};

TEST_P(FuzzedProfile, GameStartsWithWhatTheFileHoldsAndAWriteKeepsTheRest) {
    constexpr int kFiles = 1000;
    const FuzzSource& source = GetParam();
    for (int i = 0; i < kFiles && !HasFailure(); ++i) {
        const std::uint64_t seed = source.firstSeed + static_cast<std::uint64_t>(i);
        FuzzRandom random(seed);
        const std::string text = source.make(random);
        SCOPED_TRACE(::testing::Message()
                     << source.name << " seed " << seed << ", the file: " << Excerpt(text));
        WriteFile(text);
        IniProfile profile(path);
        const GameKeyValues atStartUp = ExpectedValues(text);
        ExpectValues(GameOnProfile(profile).Values(), atStartUp, "at start-up");
        // A rewrite waits for the disk twice; every other file is enough.
        if (i % 2 == 1) {
            continue;
        }
        const std::size_t k = random() % kGameKeyCount;
        const KeyValue written = RandomValueFor(kGameKeys[k], random);
        ASSERT_TRUE(WriteKey(profile, kGameKeys[k], written));
        GameKeyValues afterWrite = atStartUp;
        afterWrite[k] = written;
        const std::string when = "after writing " + kGameKeys[k].FullName();
        ExpectValues(GameOnProfile(profile).Values(), afterWrite, when);
        ExpectValues(ExpectedValues(ReadFile()), afterWrite, when + ", read by hand");
        EXPECT_EQ(FolderEntries(), ProfileAndLock());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Seeded, FuzzedProfile,
    ::testing::Values(FuzzSource{"RandomBytes", RandomBytes, 1'000'000},
                      FuzzSource{"RandomProfileText", RandomProfileText, 2'000'000},
                      FuzzSource{"MutatedFullProfile", MutatedFullProfile, 3'000'000}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
