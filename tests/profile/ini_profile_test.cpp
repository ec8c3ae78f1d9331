// The profile file on real files, each test in a temporary folder of its own.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/profile/file_descriptor.h"
#include "app/profile/ini_profile.h"
#include "app/profile/profile_file.h"

namespace {

// Each test gets its own empty folder under the system's temporary folder,
// removed afterwards, so the player's real profile is never touched.
class IniProfileFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kelmora-profile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        path = folder / "kelmora.ini";
    }

    void TearDown() override {
        std::error_code error;
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(folder, error);
    }

    void WriteFile(std::string_view text) const { std::ofstream(path, std::ios::binary) << text; }

    std::string ReadFile() const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::set<std::string> FolderEntries() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    // What the folder holds after a write: the profile and the games' lock file.
    static std::set<std::string> ProfileAndLock() { return {"kelmora.ini", ".kelmora.ini.lock"}; }

    std::filesystem::path folder;
    std::filesystem::path path;
};

mode_t PermissionsOf(const std::filesystem::path& file) {
    struct stat status {};
    EXPECT_EQ(::stat(file.c_str(), &status), 0);
    return status.st_mode & 0777;
}

// Runs `body` in a child process and returns how the child ended.
template <class Body>
int StatusOfChild(Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::prctl(PR_SET_DUMPABLE, 0);  // no core file if it is killed
        ::_exit(body() ? 0 : 1);
    }
    int status = -1;
    EXPECT_EQ(::waitpid(pid, &status, 0), pid);
    return status;
}

bool ExitedWell(int status) {
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(IniProfileFile, ReadsTheFirstKeyOfTheFirstSectionOfItsNameWhateverElseTheFileHolds) {
    // clang-format off
    const struct { std::string file, section, key; std::optional<int> number; std::string text; } cases[] = {
        {"", "Color", "m_Blue", 128, "none"},
        {"m_Blue=1\n[Color]\n", "Color", "m_Blue", 128, "none"},
        {"[ color ]\r\n  M_RED =300\r\n", "Color", "m_Red", 300, "300"},
        {"[Color]\ngarbage\n=17\n[unclosed\nm_Red=4\n", "Color", "m_Red", 4, "4"},
        {"[A]\nk=1\nk=2\n[A]\nk=3\n[B]\nk=4\n", "A", "k", 1, "1"},
        {"[A]\n[B]\nk=4\n[A]\nk=3\n", "A", "k", 128, "none"},
        {std::string("[A]\n\0\xff=\nk=5\n", 12), "A", "k", 5, "5"},
        {"[A]\nk= \t-1x\n", "A", "k", -1, " \t-1x"},
        {"[A]\nk=+7\n", "A", "k", 7, "+7"},
        {"[A]\nk=+-5\n", "A", "k", 128, "+-5"},
        {"[A]\nk=\n", "A", "k", 128, ""},
        {"[A]\nk=  \n", "A", "k", 128, "  "},
        {"[A]\nk=2147483647\n", "A", "k", 2147483647, "2147483647"},
        {"[A]\nk=2147483648\n", "A", "k", 128, "2147483648"},
        {"[A]\nk=-2147483649\n", "A", "k", 128, "-2147483649"},
        {"[A]\nk=Ann\\nLee = [x] \r\n", "A", "k", 128, "Ann\nLee = [x] "},
        {"[A]\nk=\\\\\\r\\x41\\x7f\\xg1\\x4\\q\\\n", "A", "k", 128, "\\\rA\x7f\\xg1\\x4\\q\\"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.file));
        WriteFile(c.file);
        IniProfile profile(path);
        EXPECT_EQ(profile.GetProfileInt(c.section, c.key, 128), c.number.value_or(128));
        EXPECT_EQ(profile.GetProfileString(c.section, c.key, "none"), c.text);
    }
}

TEST_F(IniProfileFile, AnythingAPlayerTypesReadsBackExactlyAndStaysOnOneLine) {
    // clang-format off
    const std::string names[] = {"", " ", "line\nbreak", "\r\n", "a\n[Options]\nm_Show=0\n",
        "back\\slash\\n", "\\x41", "ends with \\", "tab\there", std::string("\x7f\x01\0\x1f", 4),
        "Zoë 名前 ♠"};
    // clang-format on
    IniProfile profile(path);
    for (const std::string& name : names) {
        SCOPED_TRACE(::testing::PrintToString(name));
        ASSERT_TRUE(profile.WriteProfileString("Name", "t_Name1", name));
        EXPECT_EQ(IniProfile(path).GetProfileString("Name", "t_Name1", "default"), name);
        EXPECT_EQ(std::ranges::count(ReadFile(), '\n'), 2) << ReadFile();
    }
}

TEST_F(IniProfileFile, WritesChangeOneKeyAndKeepEveryOtherLineTheOtherGamesKeysAndPermissions) {
    WriteFile("; my notes\n[ color ]\r\n  M_RED =1\r\n\n[Options]\nm_Show=0\nunknown line");
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    IniProfile mine(path);
    IniProfile theirs(path);
    ASSERT_TRUE(mine.WriteProfileInt("Color", "m_Green", 2));
    ASSERT_TRUE(theirs.WriteProfileInt("Color", "m_Red", 3));
    ASSERT_TRUE(mine.WriteProfileString("Name", "t_Name1", "Ann\nLee"));
    EXPECT_EQ(ReadFile(),
              "; my notes\n[ color ]\r\nm_Red=3\nm_Green=2\n\n[Options]\nm_Show=0\nunknown line\n"
              "\n[Name]\nt_Name1=Ann\\nLee\n");
    EXPECT_EQ(PermissionsOf(path), 0644u);
}

TEST_F(IniProfileFile, ReadingCreatesNothingAndTheFirstWriteMakesTheFoldersAndAPrivateFile) {
    const std::filesystem::path nested = folder / "config" / "kelmora" / "kelmora.ini";
    EXPECT_EQ(IniProfile(nested).GetProfileInt("Color", "m_Blue", 128), 128);
    EXPECT_FALSE(std::filesystem::exists(folder / "config"));
    ASSERT_TRUE(IniProfile(nested).WriteProfileInt("Color", "m_Blue", 64));
    EXPECT_EQ(IniProfile(nested).GetProfileInt("Color", "m_Blue", 128), 64);
    EXPECT_EQ(PermissionsOf(nested), 0600u);
}

TEST_F(IniProfileFile, WhatIsNotAProfileFileIsNeitherReadNorReplaced) {
    std::string huge(4 * 1024 * 1024, 'x');
    for (std::size_t i = 80; i < huge.size(); i += 81) {
        huge[i] = '\n';
    }
    WriteFile(huge + "\n[Color]\nm_Blue=7\n");
    IniProfile profile(path);
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Blue", 128), 7) << "large, within the limit";
    EXPECT_TRUE(profile.WriteProfileInt("Color", "m_Blue", 8));
    const auto expectLeftAlone = [&](const char* what) {
        EXPECT_EQ(profile.GetProfileInt("Color", "m_Blue", 128), 128) << what;
        EXPECT_FALSE(profile.WriteProfileInt("Color", "m_Blue", 1)) << what;
    };
    ASSERT_EQ(::truncate(path.c_str(), kMaxProfileBytes + 1), 0);
    expectLeftAlone("too large");
    EXPECT_EQ(std::filesystem::file_size(path), kMaxProfileBytes + 1);
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    expectLeftAlone("a folder");
    EXPECT_TRUE(std::filesystem::is_directory(path));
    std::filesystem::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);  // an ordinary read would block forever
    expectLeftAlone("a fifo");
    EXPECT_TRUE(std::filesystem::is_fifo(path));

    std::ofstream(folder / "blocker") << "mine";
    EXPECT_FALSE(IniProfile(folder / "blocker" / "kelmora.ini").WriteProfileInt("A", "k", 1));
    EXPECT_EQ(std::filesystem::file_size(folder / "blocker"), 4u);
}

TEST_F(IniProfileFile, ProfileThatIsALinkStaysOneAndWhereItLeadsGetsTheValues) {
    // As in a home folder kept in version control, relative to the link's folder.
    std::filesystem::create_directory(folder / "store");
    std::filesystem::create_symlink("store/kelmora.ini", path);
    IniProfile profile(path);
    ASSERT_TRUE(profile.WriteProfileInt("Status", "m_Won", 12)) << "the link leads nowhere yet";
    ASSERT_TRUE(profile.WriteProfileInt("Status", "m_Lost", 5));
    EXPECT_EQ(std::filesystem::read_symlink(path), "store/kelmora.ini");
    EXPECT_EQ(ReadProfileFile(folder / "store" / "kelmora.ini").text,
              "[Status]\nm_Won=12\nm_Lost=5\n");
    EXPECT_EQ(FolderEntries(), (std::set<std::string>{"kelmora.ini", "store"}));
}

TEST_F(IniProfileFile, WriteWaitsForTheLockAndClearsTemporaryFilesOnlyWhileHoldingIt) {
    const std::string old = "[Status]\nm_Won=12\n";
    WriteFile(old);
    const std::string filling = ".kelmora.ini.new-Ab12Z9";  // a killed or busy writer's
    std::ofstream(folder / filling) << "[Status]\nm_W";
    IniProfile profile(path, std::chrono::milliseconds(0));
    {
        const FileDescriptor otherGame(
            ::open((folder / ".kelmora.ini.lock").c_str(), O_RDONLY | O_CREAT, 0600));
        ASSERT_EQ(::flock(otherGame.Get(), LOCK_EX), 0);
        EXPECT_FALSE(profile.WriteProfileInt("Status", "m_Lost", 5));
        EXPECT_EQ(ReadFile(), old);
        EXPECT_TRUE(std::filesystem::exists(folder / filling));
    }
    EXPECT_TRUE(profile.WriteProfileInt("Status", "m_Lost", 5));
    EXPECT_EQ(ReadFile(), old + "m_Lost=5\n");
    EXPECT_EQ(FolderEntries(), ProfileAndLock());
}

// Two running games each re-read, change and replace the file; the lock keeps
// either from replacing what the other has just written.
TEST_F(IniProfileFile, TwoGamesWritingAtOnceLoseNoKey) {
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    std::vector<pid_t> games;
    for (const char* game : {"a", "b"}) {
        if (const pid_t pid = ::fork(); pid != 0) {
            games.push_back(pid);
            continue;
        }
        char nothing;
        ::close(start[1]);
        bool written = ::read(start[0], &nothing, 1) == 0;  // both start when the pipe closes
        IniProfile profile(path, std::chrono::minutes(10));
        for (int write = 0; write < 100; ++write) {
            written =
                profile.WriteProfileInt("Race", game + std::to_string(write), write) && written;
        }
        ::_exit(written ? 0 : 1);
    }
    ::close(start[0]);
    ::close(start[1]);
    for (const pid_t game : games) {
        int status = -1;
        ASSERT_EQ(::waitpid(game, &status, 0), game);
        EXPECT_TRUE(ExitedWell(status)) << "a write failed";
    }
    IniProfile profile(path);
    for (int write = 0; write < 100; ++write) {
        EXPECT_EQ(profile.GetProfileInt("Race", "a" + std::to_string(write), -1), write);
        EXPECT_EQ(profile.GetProfileInt("Race", "b" + std::to_string(write), -1), write);
    }
}

// A write stopped by a full disk, a read-only folder or a kill at any byte of
// the new file leaves the old file whole; what a killed writer left beside it,
// the next write clears.
TEST_F(IniProfileFile, FailedOrKilledWriteLeavesTheOldFileWhole) {
    const std::string old = "[Status]\nm_Won=12\n\n[Name]\nt_Name1=Old\n";
    const std::string next = "[Status]\nm_Won=12\n\n[Name]\nt_Name1=Ann Lee\n";
    WriteFile(old);
    const auto writeLimitedTo = [&](rlim_t bytes, auto sigxfsz) {
        const rlimit limit{bytes, bytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, sigxfsz);
        return IniProfile(path).WriteProfileString("Name", "t_Name1", "Ann Lee");
    };
    for (const std::size_t bytes : {std::size_t{0}, std::size_t{20}, next.size() - 1}) {
        SCOPED_TRACE(::testing::Message() << "stopped after " << bytes << " bytes");
        EXPECT_FALSE(ExitedWell(StatusOfChild([&] { return writeLimitedTo(bytes, SIG_IGN); })));
        EXPECT_EQ(ReadFile(), old);
        EXPECT_EQ(FolderEntries(), ProfileAndLock());
        const int status = StatusOfChild([&] { return writeLimitedTo(bytes, SIG_DFL); });
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
        EXPECT_EQ(ReadFile(), old);
        EXPECT_EQ(FolderEntries().size(), 3u) << "the killed writer's temporary file";
    }
    EXPECT_TRUE(ExitedWell(StatusOfChild([&] { return writeLimitedTo(next.size(), SIG_DFL); })));
    EXPECT_EQ(ReadFile(), next);
    EXPECT_EQ(FolderEntries(), ProfileAndLock());

    // Folder permissions do not stop root, so root writes as nobody.
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    EXPECT_FALSE(ExitedWell(StatusOfChild([&] {
        constexpr uid_t kNobody = 65534;
        return (::geteuid() != 0 || ::setuid(kNobody) == 0) &&
               IniProfile(path).WriteProfileString("Name", "t_Name1", "Old");
    })));
    EXPECT_EQ(ReadFile(), next);
}

TEST(ProfileLocation, ConfigHomeWhenAbsoluteElseDotConfigInHome) {
    const auto pathWith = [](const char* configHome) {
        configHome ? ::setenv("XDG_CONFIG_HOME", configHome, 1) : ::unsetenv("XDG_CONFIG_HOME");
        return IniProfile::DefaultPath();
    };
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* const configHome = std::getenv("XDG_CONFIG_HOME");
    const std::string oldConfigHome = configHome ? configHome : "";
    ::setenv("HOME", "/home/player", 1);
    for (const char* ignored : {"relative/config", "", static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(pathWith(ignored), "/home/player/.config/kelmora/kelmora.ini");
    }
    EXPECT_EQ(pathWith("/srv/config"), "/srv/config/kelmora/kelmora.ini");
    ::setenv("HOME", home.c_str(), 1);
    pathWith(configHome ? oldConfigHome.c_str() : nullptr);
}

}  // namespace
