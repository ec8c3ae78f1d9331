#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <random>
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

// A game writing its statistics over and over, killed at random moments.
class KilledWriter : public ProfileFolder {
  protected:
    // Learns the file after each write of the cycle: every statistic new,
    // then every one old again, beside a colour and an option that stay.
    // Long values with bytes that are stored escaped make a write take a while.
    void LearnCycle() {
        IniProfile profile(path);
        ASSERT_TRUE(profile.WriteProfileInt("Color", "m_Red", 12));
        ASSERT_TRUE(profile.WriteProfileInt("Options", "m_Show", 0));
        for (const bool isNew : {false, true, false}) {
            const std::string name =
                (isNew ? "New\\name\n" : "Old name\t") + std::string(20'000, isNew ? 'n' : 'o');
            for (const GameKey& key : kGameKeys) {
                if (key.section == "Color" || key.section == "Options") {
                    continue;
                }
                const KeyValue value = key.HoldsText() ? KeyValue(name) : (isNew ? 45899 : -17);
                if (!states.empty() || isNew) {
                    states.push_back(ReadFile());
                    writes.push_back({&key, value});
                }
                ASSERT_TRUE(WriteKey(profile, key, value));
            }
        }
        ASSERT_EQ(ReadFile(), states.front());
    }

    // A child process that goes on with the cycle from write `next` until it
    // is killed, or exits if a write fails.
    pid_t StartWriter(std::size_t next) const {
        const pid_t pid = ::fork();
        if (pid == 0) {
            IniProfile profile(path);
            while (WriteKey(profile, *writes[next].key, writes[next].value)) {
                next = (next + 1) % writes.size();
            }
            ::_exit(1);
        }
        return pid;
    }

    std::vector<KeyWrite> writes;
    // states[i]: the whole file after the first i writes of the cycle.
    std::vector<std::string> states;
};

TEST_F(KilledWriter, LeavesAWholeProfileAndAtMostTheTemporaryFileItWasFilling) {
    constexpr std::uint64_t kSeed = 7'340'033;
    ASSERT_NO_FATAL_FAILURE(LearnCycle());
    std::mt19937_64 random(kSeed);
    // From a microsecond to five milliseconds, as many short as long ones.
    std::uniform_real_distribution<double> logSeconds(std::log(1e-6), std::log(5e-3));

    std::size_t state = 0;
    std::set<std::size_t> statesSeen;
    for (int kill = 0; kill < 400; ++kill) {
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

        // A killed writer leaves at most the one temporary file it was filling,
        // hidden beside the profile as ".kelmora.ini.XXXXXX" and holding the
        // start of the next file. Nothing reads it; it is cleared here.
        std::set<std::string> leftovers = FolderEntries();
        leftovers.erase("kelmora.ini");
        ASSERT_LE(leftovers.size(), 1u);
        for (const std::string& name : leftovers) {
            ASSERT_TRUE(name.starts_with(".kelmora.ini.") && name.size() == 19) << name;
            EXPECT_TRUE(states[(state + 1) % states.size()].starts_with(
                ReadProfileFile(folder / name).text))
                << name << " holds something other than the next file";
            std::filesystem::remove(folder / name);
        }
    }
    EXPECT_GT(statesSeen.size(), 1u) << "no write was ever finished before the kill";
}

}  // namespace
