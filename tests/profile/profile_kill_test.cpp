#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <random>
#include <ranges>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/profile/ini_profile.h"
#include "app/profile/profile_file.h"
#include "game_keys.h"
#include "profile_folder.h"

namespace {

struct KeyWrite {
    const GameKey* key;
    KeyValue value;
};

bool IsStatistic(const GameKey& key) {
    return key.section != "Color" && key.section != "Options";
}

// Long enough that writing a file takes a while, with bytes that are stored
// escaped.
KeyValue StatisticValue(const GameKey& key, bool isNew) {
    if (key.HoldsText()) {
        return (isNew ? std::string("New\\name\n") : std::string("Old name\t")) +
               std::string(20'000, isNew ? 'n' : 'o');
    }
    return isNew ? 45899 : -17;
}

// The name the writer gives the file it is filling: ".kelmora.ini.XXXXXX".
bool IsWritersTemporary(const std::string& name) {
    const std::string prefix = ".kelmora.ini.";
    return name.starts_with(prefix) && name.size() == prefix.size() + 6;
}

// A game writing its statistics over and over, killed at random moments.
class KilledWriter : public ProfileFolder {
  protected:
    // Runs the cycle once on the profile, with the colour and an option set
    // beside it, to learn the file after each write; the file ends as it began.
    void LearnCycle() {
        for (const bool isNew : {true, false}) {
            for (const GameKey& key : kGameKeys | std::views::filter(IsStatistic)) {
                writes.push_back({&key, StatisticValue(key, isNew)});
            }
        }
        IniProfile profile(path);
        ASSERT_TRUE(profile.WriteProfileInt("Color", "m_Red", 12));
        ASSERT_TRUE(profile.WriteProfileInt("Options", "m_Show", 0));
        for (const KeyWrite& write : writes | std::views::drop(writes.size() / 2)) {
            ASSERT_TRUE(WriteKey(profile, *write.key, write.value));
        }
        for (const KeyWrite& write : writes) {
            states.push_back(ReadFile());
            ASSERT_TRUE(WriteKey(profile, *write.key, write.value));
        }
        ASSERT_EQ(ReadFile(), states.front());
    }

    // A child process that goes on with the cycle from write `next` until it
    // is killed, or exits if a write fails.
    pid_t StartWriter(std::size_t next) const {
        const pid_t pid = ::fork();
        if (pid == 0) {
            IniProfile profile(path);
            for (std::size_t i = next;; i = (i + 1) % writes.size()) {
                if (!WriteKey(profile, *writes[i].key, writes[i].value)) {
                    ::_exit(1);
                }
            }
        }
        return pid;
    }

    // The writes of one cycle: every statistic new, then every one old again.
    std::vector<KeyWrite> writes;
    // states[i]: the whole file after the first i writes of the cycle.
    std::vector<std::string> states;
};

TEST_F(KilledWriter, LeavesAWholeProfileAndAtMostTheTemporaryFileItWasFilling) {
    constexpr std::uint64_t kSeed = 7'340'033;
    constexpr int kKills = 400;
    ASSERT_NO_FATAL_FAILURE(LearnCycle());
    std::mt19937_64 random(kSeed);
    // From a microsecond to five milliseconds, as many short as long ones.
    std::uniform_real_distribution<double> logSeconds(std::log(1e-6), std::log(5e-3));

    std::size_t state = 0;
    std::set<std::size_t> statesSeen;
    int temporariesLeft = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE(::testing::Message() << "seed " << kSeed << ", kill " << kill);
        const pid_t writer = StartWriter(state);
        ASSERT_GT(writer, 0);
        std::this_thread::sleep_for(std::chrono::duration<double>(std::exp(logSeconds(random))));
        ASSERT_EQ(::kill(writer, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(writer, &status, 0), writer);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the writer stopped by itself: a write failed";

        const std::string text = ReadFile();
        const auto found = std::ranges::find(states, text);
        ASSERT_TRUE(found != states.end())
            << "neither the old nor the new file, " << text.size() << " bytes:\n"
            << text.substr(0, 300);
        state = static_cast<std::size_t>(found - states.begin());
        statesSeen.insert(state);

        // The rule for leftovers: a killed writer leaves at most the one
        // temporary file it was filling, hidden beside the profile and holding
        // the start of the file it was about to put in place. Nothing ever
        // reads it, and nothing else piles up; it is cleared here.
        std::set<std::string> leftovers = FolderEntries();
        leftovers.erase("kelmora.ini");
        ASSERT_LE(leftovers.size(), 1u);
        for (const std::string& name : leftovers) {
            ASSERT_TRUE(IsWritersTemporary(name)) << name;
            const std::string partial = ReadProfileFile(folder / name).text;
            EXPECT_TRUE(states[(state + 1) % states.size()].starts_with(partial))
                << name << " holds something other than the next file";
            std::filesystem::remove(folder / name);
            ++temporariesLeft;
        }
    }
    EXPECT_GT(statesSeen.size(), 1u) << "no write was ever finished before the kill";
    RecordProperty("StatesSeen", static_cast<int>(statesSeen.size()));
    RecordProperty("TemporaryFilesLeft", temporariesLeft);
}

}  // namespace
