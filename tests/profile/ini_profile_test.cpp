#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <optional>

#include "app/profile/file_descriptor.h"
#include "app/profile/ini_profile.h"
#include "app/profile/profile_file.h"
#include "game_keys.h"
#include "profile_folder.h"

namespace {

using IniProfileFile = ProfileFolder;

mode_t PermissionsOf(const std::filesystem::path& file) {
    struct stat status {};
    EXPECT_EQ(::stat(file.c_str(), &status), 0);
    return status.st_mode & 0777;
}

TEST_F(IniProfileFile, FreshProfileGivesANavyTableTheClockAndBothShortcuts) {
    IniProfile profile(path);
    const GameOnProfile game(profile);
    EXPECT_EQ(game.view.m_crBackground, MakeColorRef(0, 0, 128));
    EXPECT_EQ(game.view.m_Show, 1);
    EXPECT_EQ(game.view.m_DblClk, 1);
    EXPECT_EQ(game.view.m_Rclk, 1);
    EXPECT_FALSE(std::filesystem::exists(path)) << "reading must not create the file";
}

TEST_F(IniProfileFile, StoredValuesReachTheGamePastGarbageAndBinaryBytes) {
    std::string binary;
    for (int byte = 0; byte < 256; ++byte) {
        binary += byte == '\n' ? ' ' : static_cast<char>(byte);
    }
    WriteFile(
        "m_Blue=1\n[ color ]\r\nm_Red=300\r\ngarbage without an equals sign\n=17\n[unclosed\n" +
        binary + "\n  M_GREEN =-1x\r\n" + std::string("\0\xff\xfe=", 4) +
        "\n[OPTIONS]\ndblclk=0\n[Status]\nm_Lost=+-5\n[Name]\nt_Name1=  \n"
        "t_Name2=Ann\\nLee = [x] \r\n");
    IniProfile profile(path);
    const GameOnProfile game(profile);
    EXPECT_EQ(game.view.m_Red, 300);
    EXPECT_EQ(game.view.m_crBackground, MakeColorRef(44, 255, 128)) << "no blue before a section";
    EXPECT_EQ(game.view.m_DblClk, 0);
    EXPECT_EQ(game.view.m_Rclk, 1);
    EXPECT_EQ(game.view.m_Lost, 0) << "two signs make no number";
    EXPECT_EQ(game.view.t_Name[0], "  ");
    EXPECT_EQ(game.view.t_Name[1], "Ann\nLee = [x] ");
}

TEST_F(IniProfileFile, HugeFileIsReadUpToTheLimitAndLeftAloneBeyondIt) {
    std::string text(4 * 1024 * 1024, 'x');
    for (std::size_t i = 80; i < text.size(); i += 81) {
        text[i] = '\n';
    }
    WriteFile(text + "\n[Color]\nm_Red=7\n");
    IniProfile profile(path);
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Red", 0), 7);
    EXPECT_TRUE(profile.WriteProfileInt("Color", "m_Green", 8));
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Green", 0), 8);

    ASSERT_EQ(::truncate(path.c_str(), kMaxProfileBytes + 1), 0);
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Red", 0), 0);
    EXPECT_FALSE(profile.WriteProfileInt("Color", "m_Red", 9));
    EXPECT_EQ(std::filesystem::file_size(path), kMaxProfileBytes + 1);
}

TEST_F(IniProfileFile, SomethingElseInPlaceOfTheFileIsNeitherReadNorReplaced) {
    IniProfile profile(path);
    const auto expectLeftAlone = [&](const char* what) {
        EXPECT_EQ(profile.GetProfileInt("Color", "m_Blue", 128), 128) << what;
        EXPECT_FALSE(profile.WriteProfileInt("Color", "m_Blue", 1)) << what;
    };
    std::filesystem::create_directory(path);
    expectLeftAlone("a folder");
    EXPECT_TRUE(std::filesystem::is_directory(path));
    // A fifo would block an ordinary read forever.
    std::filesystem::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    expectLeftAlone("a fifo");
    EXPECT_TRUE(std::filesystem::is_fifo(path));

    std::ofstream(folder / "blocker") << "mine";
    IniProfile blocked(folder / "blocker" / "kelmora.ini");
    EXPECT_FALSE(blocked.WriteProfileInt("Color", "m_Blue", 1)) << "a file in place of the folder";
    EXPECT_EQ(std::filesystem::file_size(folder / "blocker"), 4u);
}

TEST_F(IniProfileFile, AnythingAPlayerTypesReadsBackExactlyAndStaysOnOneLine) {
    // clang-format off
    const std::string names[] = {"", " ", "Ann Lee", "line\nbreak", "\r\n", "[Options]", "m_Show=0",
        "a\n[Options]\nm_Show=0\n", "back\\slash\\n", "\\x41", "ends with \\", "tab\there",
        std::string("\x7f\x01\0\x1f", 4), "Zoë 名前 ♠"};
    // clang-format on
    IniProfile profile(path);
    for (const std::string& name : names) {
        SCOPED_TRACE(::testing::PrintToString(name));
        ASSERT_TRUE(profile.WriteProfileString("Name", "t_Name1", name));
        EXPECT_EQ(IniProfile(path).GetProfileString("Name", "t_Name1", "default"), name);
        EXPECT_EQ(std::ranges::count(ReadFile(), '\n'), 2) << ReadFile();
        EXPECT_EQ(profile.GetProfileInt("Options", "m_Show", 1), 1);
    }
}

TEST_F(IniProfileFile, WriteChangesOneKeyAndKeepsEveryOtherLineAndThePermissions) {
    WriteFile("; my notes\n[ color ]\r\n  M_RED =1\r\n\n[Options]\nm_Show=0\nunknown line");
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    IniProfile profile(path);
    ASSERT_TRUE(profile.WriteProfileInt("Color", "m_Green", 2));
    ASSERT_TRUE(profile.WriteProfileInt("Color", "m_Red", 3));
    ASSERT_TRUE(profile.WriteProfileString("Name", "t_Name1", "Ann\nLee"));
    EXPECT_EQ(ReadFile(),
              "; my notes\n[ color ]\r\nm_Red=3\nm_Green=2\n\n[Options]\nm_Show=0\nunknown line\n"
              "\n[Name]\nt_Name1=Ann\\nLee\n");
    EXPECT_EQ(PermissionsOf(path), 0644u);
}

TEST_F(IniProfileFile, ProfileThatIsALinkStaysOneAndWhereItLeadsGetsTheValues) {
    // As in a home folder kept in version control, relative to the link's folder.
    std::filesystem::create_directory(folder / "store");
    std::filesystem::create_symlink("store/kelmora.ini", path);
    IniProfile profile(path);
    ASSERT_TRUE(profile.WriteProfileInt("Status", "m_Won", 12)) << "the link leads nowhere yet";
    ASSERT_TRUE(profile.WriteProfileInt("Status", "m_Lost", 5));
    ASSERT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_EQ(std::filesystem::read_symlink(path), "store/kelmora.ini");
    EXPECT_EQ(ReadProfileFile(folder / "store" / "kelmora.ini").text,
              "[Status]\nm_Won=12\nm_Lost=5\n");
    EXPECT_EQ(FolderEntries(), (std::set<std::string>{"kelmora.ini", "store"}));
}

TEST_F(IniProfileFile, FirstWriteCreatesTheFoldersAndAPrivateFile) {
    const std::filesystem::path nested = folder / "config" / "kelmora" / "kelmora.ini";
    ASSERT_TRUE(IniProfile(nested).WriteProfileInt("Color", "m_Blue", 64));
    EXPECT_EQ(IniProfile(nested).GetProfileInt("Color", "m_Blue", 128), 64);
    EXPECT_EQ(PermissionsOf(nested), 0600u);
}

TEST_F(IniProfileFile, KeysOfAnotherRunningGameSurvive) {
    IniProfile mine(path);
    IniProfile theirs(path);
    ASSERT_TRUE(mine.WriteProfileInt("Status", "m_Won", 1));
    ASSERT_TRUE(theirs.WriteProfileInt("Status", "m_Lost", 2));
    ASSERT_TRUE(mine.WriteProfileInt("Time", "t_Time1", 3));
    EXPECT_EQ(ReadFile(), "[Status]\nm_Won=1\nm_Lost=2\n\n[Time]\nt_Time1=3\n");
}

TEST_F(IniProfileFile, TwoGamesWritingAtOnceLoseNoKey) {
    constexpr int kWrites = 100;
    const auto keyName = [](int game, int write) {
        return "g" + std::to_string(game) + "_" + std::to_string(write);
    };
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    pid_t games[2];
    for (int game = 0; game < 2; ++game) {
        games[game] = ::fork();
        if (games[game] == 0) {
            // Both games begin when the test closes its end of the pipe.
            char nothing;
            ::close(start[1]);
            const bool started = ::read(start[0], &nothing, 1) == 0;
            // So long a wait for the lock that the other game always finishes first.
            IniProfile profile(path, std::chrono::minutes(10));
            bool written = started;
            for (int write = 0; write < kWrites; ++write) {
                written = profile.WriteProfileInt("Race", keyName(game, write), write) && written;
            }
            ::_exit(written ? 0 : 1);
        }
    }
    ::close(start[0]);
    ::close(start[1]);
    for (const pid_t game : games) {
        int status = -1;
        ASSERT_EQ(::waitpid(game, &status, 0), game);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a write failed";
    }
    IniProfile profile(path);
    int lost = 0;
    for (int game = 0; game < 2; ++game) {
        for (int write = 0; write < kWrites; ++write) {
            lost += profile.GetProfileInt("Race", keyName(game, write), -1) != write;
        }
    }
    EXPECT_EQ(lost, 0);
}

TEST_F(IniProfileFile, TemporaryFileIsClearedOnlyWhenNoOtherGameCanBeFillingIt) {
    const std::string old = "[Status]\nm_Won=12\n";
    WriteFile(old);
    const std::string filling = ".kelmora.ini.new-Ab12Z9";
    std::ofstream(folder / filling) << "[Status]\nm_W";
    IniProfile profile(path, std::chrono::milliseconds(0));
    {
        // Another game holds the lock, so it may be filling that file.
        const FileDescriptor otherGame(
            ::open((folder / ".kelmora.ini.lock").c_str(), O_RDONLY | O_CREAT, 0600));
        ASSERT_EQ(::flock(otherGame.Get(), LOCK_EX), 0);
        EXPECT_FALSE(profile.WriteProfileInt("Status", "m_Lost", 5));
        EXPECT_EQ(ReadFile(), old);
        std::set<std::string> expected = ProfileAndLock();
        expected.insert(filling);
        EXPECT_EQ(FolderEntries(), expected);
    }
    EXPECT_TRUE(profile.WriteProfileInt("Status", "m_Lost", 5));
    EXPECT_EQ(ReadFile(), old + "m_Lost=5\n");
    EXPECT_EQ(FolderEntries(), ProfileAndLock());
}

TEST_F(IniProfileFile, FailedWriteLeavesTheOldFileAsItWasAndNoTemporaryFile) {
    const std::string old = "[Status]\nm_Won=12\nm_Lost=5\n";
    WriteFile(old);
    IniProfile profile(path);
    const auto expectUnchanged = [&](bool written, const char* obstacle) {
        EXPECT_FALSE(written) << obstacle;
        EXPECT_EQ(ReadFile(), old) << obstacle;
        EXPECT_EQ(FolderEntries(), ProfileAndLock()) << obstacle;
    };
    // A nearly full disk: the largest file this process may write is lowered.
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlim_t oldLimit = std::exchange(limit.rlim_cur, 16);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const bool written = profile.WriteProfileString("Name", "t_Name1", "longer than the limit");
    limit.rlim_cur = oldLimit;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    expectUnchanged(written, "full disk");

    if (::geteuid() == 0) {
        GTEST_SKIP() << "running as root: folder permissions do not stop writes";
    }
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    expectUnchanged(profile.WriteProfileString("Name", "t_Name1", "a name"), "read-only folder");
}

// Sets or clears an environment variable for one scope.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        Set(value);
    }
    ~ScopedEnvironment() { Set(m_old ? m_old->c_str() : nullptr); }

  private:
    void Set(const char* value) const {
        value != nullptr ? ::setenv(m_name, value, 1) : ::unsetenv(m_name);
    }

    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(ProfileLocation, ConfigHomeWhenAbsoluteElseDotConfigInHome) {
    const ScopedEnvironment home("HOME", "/home/player");
    for (const char* ignored : {"relative/config", "", static_cast<const char*>(nullptr)}) {
        const ScopedEnvironment configHome("XDG_CONFIG_HOME", ignored);
        EXPECT_EQ(IniProfile::DefaultPath(), "/home/player/.config/kelmora/kelmora.ini");
    }
    const ScopedEnvironment configHome("XDG_CONFIG_HOME", "/srv/config");
    EXPECT_EQ(IniProfile::DefaultPath(), "/srv/config/kelmora/kelmora.ini");
}

}  // namespace
