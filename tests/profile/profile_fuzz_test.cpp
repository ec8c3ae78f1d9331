#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "app/profile/ini_profile.h"
#include "expected_profile.h"
#include "fakes/fake_platform.h"
#include "fuzzed_profiles.h"
#include "game_keys.h"
#include "profile_folder.h"

namespace {

// Starts a game on `profile` and returns the values it read.
GameKeyValues ValuesAtStartUp(Profile& profile) {
    const CSolDoc doc;
    RecordingSurface surface;
    FakeWindow window;
    ScriptedDialogs dialogs;
    const CSolView view(doc, Platform{surface, window, dialogs, profile});
    EXPECT_EQ(view.m_crBackground, MakeColorRef(view.m_Red, view.m_Green, view.m_Blue));
    return ValuesOf(view);
}

// The start of a file with its unprintable bytes spelled out, for a message.
std::string Excerpt(std::string_view text) {
    constexpr std::size_t kShown = 240;
    std::string shown;
    for (const char c : text.substr(0, kShown)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            shown += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        }
    }
    return '"' + shown + (text.size() > kShown ? "\"..." : "\"") + " (" +
           std::to_string(text.size()) + " bytes)";
}

// A kind of damaged file and the seeds that make them: file i of the kind is
// made from seed firstSeed + i.
struct FuzzSource {
    const char* name;
    std::string (*make)(FuzzRandom&);
    std::uint64_t firstSeed;
    int files;
};

void PrintTo(const FuzzSource& source, std::ostream* out) {
    *out << source.name;
}

class FuzzedProfile : public ProfileFolder, public ::testing::WithParamInterface<FuzzSource> {
  protected:
    void ExpectValues(const GameKeyValues& actual, const GameKeyValues& expected,
                      const std::string& when) {
        for (std::size_t k = 0; k < kGameKeyCount; ++k) {
            EXPECT_EQ(actual[k], expected[k]) << KeyName(kGameKeys[k]) << ' ' << when;
        }
    }
};

TEST_P(FuzzedProfile, GameStartsWithWhatTheFileHoldsAndAWriteKeepsTheRest) {
    const FuzzSource& source = GetParam();
    for (int i = 0; i < source.files && !HasFailure(); ++i) {
        const std::uint64_t seed = source.firstSeed + static_cast<std::uint64_t>(i);
        FuzzRandom random(seed);
        const std::string text = source.make(random);
        SCOPED_TRACE(::testing::Message()
                     << source.name << " seed " << seed << ", the file: " << Excerpt(text));
        WriteFile(text);
        IniProfile profile(path);
        const GameKeyValues atStartUp = ExpectedValues(text);
        ExpectValues(ValuesAtStartUp(profile), atStartUp, "at start-up");
        // A rewrite waits for the disk twice; every other file is enough.
        if (i % 2 == 1) {
            continue;
        }
        const std::size_t k =
            std::uniform_int_distribution<std::size_t>(0, kGameKeyCount - 1)(random);
        const KeyValue written = RandomValueFor(kGameKeys[k], random);
        ASSERT_TRUE(WriteKey(profile, kGameKeys[k], written));
        GameKeyValues afterWrite = atStartUp;
        afterWrite[k] = written;
        const std::string when = "after writing " + KeyName(kGameKeys[k]);
        ExpectValues(ValuesAtStartUp(profile), afterWrite, when);
        ExpectValues(ExpectedValues(ReadFile()), afterWrite, when + ", read by hand");
        EXPECT_EQ(FolderEntries(), std::set<std::string>{"kelmora.ini"});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Seeded, FuzzedProfile,
    ::testing::Values(FuzzSource{"RandomBytes", RandomBytes, 1'000'000, 1000},
                      FuzzSource{"RandomProfileText", RandomProfileText, 2'000'000, 1000},
                      FuzzSource{"MutatedFullProfile", MutatedFullProfile, 3'000'000, 1000}),
    [](const ::testing::TestParamInfo<FuzzSource>& info) { return info.param.name; });

}  // namespace
