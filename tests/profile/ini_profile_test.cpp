// The profile file on real files, each test in a temporary folder of its own.
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <set>
#include <string>
#include <thread>

#include "app/profile/file_descriptor.h"
#include "app/profile/ini_profile.h"
#include "app/profile/profile_file.h"
#include "fakes/fake_platform.h"

namespace {
namespace fs = std::filesystem;
using Names = std::set<std::string>;

// A folder of its own under the system's temporary folder: never the player's profile.
class IniProfileFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kelmora-profile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        path = folder / "kelmora.ini";
    }
    void TearDown() override {
        std::error_code error;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(folder, error);
    }
    void WriteFile(std::string_view text) const { std::ofstream(path, std::ios::binary) << text; }
    std::string ReadFile() const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    Names Entries() const {
        Names names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }
    const Names kProfileAndLock{"kelmora.ini", ".kelmora.ini.lock"};
    fs::path folder, path;
};

// Faults planted in the writer's system calls, each wrapped at link time: the
// next `times` calls of `call` fail with `error`, or with no error, each write
// writes at most `shortTo` bytes.
struct PlantedFault {
    std::string_view call;
    int error = 0;
    int times = 0;
    std::size_t shortTo = 0;
};
PlantedFault g_fault;

bool Planted(std::string_view call) {
    if (g_fault.call != call || g_fault.times == 0) {
        return false;
    }
    --g_fault.times;
    errno = g_fault.error;
    return true;
}

// A game on the profile file at `path`, as another running program plays it.
struct GameOnFile : FakeTable {
    IniProfile file;

    GameOnFile(const fs::path& path, const std::string& name)
        : file(path, std::chrono::minutes(1)) {
        view = std::make_unique<CSolView>(doc, Platform{surface, window, dialogs, file});
        surface.keepLog = false;
        dialogs.highScore = [name](CHighScoreDlg& dlg) { return dlg.m_strName = name, IDOK; };
        dialogs.gameWon = [](CGameWonDlg&) { return IDCANCEL; };
    }
    void Win(int seconds) { view->m_nSeconds = seconds, view->OnGameWon(); }
};

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

TEST_F(IniProfileFile,
       ReadsTheFirstKeyOfItsSectionWhateverElseTheFileHoldsAndNamesReadBackExactly) {
    // clang-format off
    const struct { std::string file, section, key; int number; std::string text; } cases[] = {
        {"", "Color", "m_Blue", 128, "none"},
        {"m_Blue=1\n[Color]\n", "Color", "m_Blue", 128, "none"},
        {"[ color ]\r\n  M_RED =300\r\n", "Color", "m_Red", 300, "300"},
        {"[Color]\ngarbage\n=17\n[unclosed\nm_Red=4\n", "Color", "m_Red", 4, "4"},
        {"[A]\nk=1\nk=2\n[A]\nk=3\n[B]\nk=4\n", "A", "k", 1, "1"},
        {"[A]\n[B]\nk=4\n[A]\nk=3\n", "A", "k", 128, "none"},
        {std::string("[A]\n\0\xff=\nk=5\n", 12), "A", "k", 5, "5"},
        {"[A]\nk= \t-1x\n", "A", "k", -1, " \t-1x"},
        {"[a]\nK=+7\n", "A", "k", 7, "+7"},
        {"[A]\nk=+-5\n", "A", "k", 128, "+-5"},
        {"[A]\nk=\n", "A", "k", 128, ""},
        {"[A]\nk=  \n", "A", "k", 128, "  "},
        {"[z]\nk=2147483647\n", "Z", "k", 2147483647, "2147483647"},
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
        EXPECT_EQ(profile.GetProfileInt(c.section, c.key, 128), c.number);
        EXPECT_EQ(profile.GetProfileString(c.section, c.key, "none"), c.text);
    }
    // Anything a player types reads back exactly and stays on one line.
    fs::remove(path);
    // clang-format off
    std::string names[] = {"", " ", "line\nbreak", "\r\n", "a\n[Options]\nm_Show=0\n",
        "back\\slash\\n", "\\x41", "ends with \\", "tab\there", std::string(32, '\0'),
        "Zoë 名前 ♠"};
    // clang-format on
    std::iota(names[9].begin(), names[9].end(), '\0');  // every control character
    names[9] += '\x7f';
    for (const std::string& name : names) {
        SCOPED_TRACE(::testing::PrintToString(name));
        ASSERT_TRUE(IniProfile(path).WriteProfileString("Name", "t_Name1", name));
        EXPECT_EQ(IniProfile(path).GetProfileString("Name", "t_Name1", "default"), name);
        const std::string file = ReadFile();
        EXPECT_EQ(std::ranges::count_if(file, [](char c) { return std::iscntrl(c) != 0; }), 2)
            << file << " holds nothing but its two line ends";
    }
}

TEST_F(IniProfileFile, WritesChangeOneKeyAndKeepEveryOtherLineTheOtherGamesKeysAndPermissions) {
    // A byte-order mark before the first section stays where it is.
    WriteFile(
        "\xEF\xBB\xBF[ color ]\r\n  M_RED =1\r\n; my notes\n\n[Options]\nm_Show=0\nunknown line");
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    IniProfile mine(path);
    IniProfile theirs(path);
    ASSERT_TRUE(mine.WriteProfileInt("Color", "m_Green", 2));
    ASSERT_TRUE(theirs.WriteProfileInt("Color", "m_Red", 3));
    ASSERT_TRUE(mine.WriteProfileString("Name", "t_Name1", "Ann\nLee"));
    EXPECT_EQ(ReadFile(),
              "\xEF\xBB\xBF[ color ]\r\nm_Red=3\nm_Green=2\n; my notes\n\n[Options]\nm_Show=0\n"
              "unknown line\n"
              "\n[Name]\nt_Name1=Ann\\nLee\n");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0644));
    // The first write makes the folders and a file private to the player; reading makes none.
    const fs::path nested = folder / "config" / "kelmora.ini";
    EXPECT_EQ(IniProfile(nested).GetProfileInt("Color", "m_Blue", 128), 128);
    EXPECT_FALSE(fs::exists(folder / "config"));
    ASSERT_TRUE(IniProfile(nested).WriteProfileInt("Color", "m_Blue", 64));
    EXPECT_EQ(IniProfile(nested).GetProfileInt("Color", "m_Blue", 128), 64);
    EXPECT_EQ(fs::status(nested).permissions(), fs::perms(0600));
    EXPECT_EQ(fs::status(folder / "config" / ".kelmora.ini.lock").permissions(), fs::perms(0600));
}

TEST_F(IniProfileFile, WhatIsNotAProfileFileIsNeitherReadNorReplaced) {
    WriteFile("[Color]\nm_Blue=7\n");
    ASSERT_EQ(::truncate(path.c_str(), kMaxProfileBytes), 0);
    EXPECT_EQ(IniProfile(path).GetProfileInt("Color", "m_Blue", 128), 7) << "at the limit";
    const auto expectLeftAlone = [&](const char* what) {
        EXPECT_EQ(IniProfile(path).GetProfileInt("Color", "m_Blue", 128), 128) << what;
        EXPECT_FALSE(IniProfile(path).WriteProfileInt("Color", "m_Blue", 1)) << what;
    };
    ASSERT_EQ(::truncate(path.c_str(), kMaxProfileBytes + 1), 0);
    expectLeftAlone("too large");
    EXPECT_EQ(fs::file_size(path), kMaxProfileBytes + 1);
    fs::remove(path);
    fs::create_directory(path);
    expectLeftAlone("a folder");
    fs::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);  // an ordinary read would block forever
    expectLeftAlone("a fifo");
    EXPECT_TRUE(fs::is_fifo(path));
}

TEST_F(IniProfileFile, ProfileThatIsALinkStaysOneAndWhereItLeadsGetsTheValues) {
    // As in a home folder kept in version control, relative to the link's folder,
    // through as many links in a row as the system follows: kelmora.ini, 1, ..., 39.
    fs::create_directory(folder / "store");
    fs::create_symlink("1", path);
    for (int link = 1; link <= 39; ++link) {
        const std::string next = link < 39 ? std::to_string(link + 1) : "store/kelmora.ini";
        fs::create_symlink(next, folder / std::to_string(link));
    }
    IniProfile profile(path);
    ASSERT_TRUE(profile.WriteProfileInt("Status", "m_Won", 12)) << "the link leads nowhere yet";
    ASSERT_TRUE(profile.WriteProfileInt("Status", "m_Lost", 5));
    EXPECT_EQ(fs::read_symlink(path), "1");
    EXPECT_EQ(ReadProfileFile(folder / "store" / "kelmora.ini").text,
              "[Status]\nm_Won=12\nm_Lost=5\n");
    EXPECT_EQ(Entries().size(), 41u) << "the links and the store alone";
    // One link more is one too many: neither read nor written.
    fs::create_symlink("kelmora.ini", folder / "0");
    EXPECT_EQ(IniProfile(folder / "0").GetProfileInt("Status", "m_Won", -1), -1);
    EXPECT_FALSE(IniProfile(folder / "0").WriteProfileInt("Status", "m_Won", 1));
}

// A write stopped by another game's lock, a failing system call or a read-only
// folder leaves the old file whole and says so. Short and interrupted calls
// are carried on.
TEST_F(IniProfileFile, FailedOrKilledWriteLeavesTheOldFileWhole) {
    const std::string old = "[Status]\nm_Won=12\n\n[Name]\nt_Name1=Old\n";
    const std::string next = "[Status]\nm_Won=12\n\n[Name]\nt_Name1=Ann Lee\n";
    const struct {
        PlantedFault fault;
        bool kept;
    } faults[] = {{{"write", 0, 9, 1}, true},    {{"write", EINTR, 3}, true},
                  {{"write", ENOSPC, 1}, false}, {{"fsync", EIO, 1}, false},
                  {{"close", EIO, 9}, false},    {{"rename", EACCES, 1}, false},
                  {{"flock", ENOLCK, 1}, false}, {{"flock", EINTR, 2}, true},
                  {{"read", EINTR, 2}, true},    {{"read", EIO, 1}, false}};
    for (const auto& [fault, kept] : faults) {
        SCOPED_TRACE(::testing::Message() << fault.call << " " << fault.error);
        WriteFile(old);
        g_fault = fault;
        EXPECT_EQ(IniProfile(path).WriteProfileString("Name", "t_Name1", "Ann Lee"), kept);
        g_fault = {};
        EXPECT_EQ(ReadFile(), kept ? next : old);
        EXPECT_EQ(Entries(), kProfileAndLock);
    }
    WriteFile(old);
    {
        const FileDescriptor otherGame(
            ::open((folder / ".kelmora.ini.lock").c_str(), O_RDONLY | O_CREAT, 0600));
        ASSERT_EQ(::flock(otherGame.Get(), LOCK_EX), 0);
        EXPECT_FALSE(IniProfile(path, std::chrono::milliseconds(0)).WriteProfileInt("A", "k", 5));
        EXPECT_EQ(ReadFile(), old);
        // A hold as short as another game's write is waited out.
        const std::jthread release([&otherGame] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            ::flock(otherGame.Get(), LOCK_UN);
        });
        EXPECT_TRUE(IniProfile(path).WriteProfileInt("A", "k", 5));
    }
    WriteFile(old);
    // Folder permissions do not stop root, so root writes as nobody.
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    EXPECT_NE(StatusOfChild([&] {
                  constexpr uid_t kNobody = 65534;
                  return (::geteuid() != 0 || ::setuid(kNobody) == 0) &&
                         IniProfile(path).WriteProfileString("Name", "t_Name1", "Old");
              }),
              0);
    EXPECT_EQ(ReadFile(), old);
}

// A win is one change of the file, kept before its name is asked: a kill at any
// byte of it leaves the record as it was, and once written it stays, whatever
// ends the program while the name is asked. The next write clears what killed
// writers left.
TEST_F(IniProfileFile, AWinIsKeptWholeOrNotAtAllBeforeItsNameIsAsked) {
    {
        GameOnFile first(path, "Old");
        first.Deal(7);
        first.Win(99);
    }
    const std::string old = ReadFile();
    EXPECT_EQ(
        old,
        "[Status]\nm_Won=1\nm_Lost=0\n\n[Time]\nt_Time1=99\nt_Time2=0\nt_Time3=0\n\n"
        "[Game]\nt_Game1=7\nt_Game2=0\nt_Game3=0\n\n[Name]\nt_Name1=Old\nt_Name2=\nt_Name3=\n")
        << "as a single game has always left it";
    for (const rlim_t bytes :
         {rlim_t{0}, rlim_t{old.size() / 2}, rlim_t{old.size() + 2}, RLIM_INFINITY}) {
        const int status = StatusOfChild([&] {
            GameOnFile game(path, "New");
            game.dialogs.highScore = [](CHighScoreDlg&) { return ::raise(SIGTERM), IDOK; };
            game.Deal(9);
            const rlimit limit{bytes, bytes};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            game.Win(50);
            return true;
        });
        const bool written = bytes == RLIM_INFINITY;
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == (written ? SIGTERM : SIGXFSZ));
        EXPECT_EQ(ReadFile(),
                  written ? "[Status]\nm_Won=2\nm_Lost=0\n\n[Time]\nt_Time1=50\nt_Time2=99\n"
                            "t_Time3=0\n\n[Game]\nt_Game1=9\nt_Game2=7\nt_Game3=0\n\n"
                            "[Name]\nt_Name1=  \nt_Name2=Old\nt_Name3=\n"
                          : old)
            << bytes;
    }
    EXPECT_EQ(Entries(), kProfileAndLock) << "what the killed writers left is cleared";
}

TEST(ProfileLocation, ConfigHomeWhenAbsoluteElseDotConfigInHome) {
    ::setenv("HOME", "", 1);  // no home given: the account's own
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(IniProfile::DefaultPath(), std::filesystem::path(::getpwuid(::getuid())->pw_dir) /
                                             ".config/kelmora/kelmora.ini");
    ::setenv("HOME", "/home/player", 1);
    EXPECT_EQ(IniProfile::DefaultPath(), "/home/player/.config/kelmora/kelmora.ini");
    ::setenv("XDG_CONFIG_HOME", "/srv/config", 1);
    EXPECT_EQ(IniProfile::DefaultPath(), "/srv/config/kelmora/kelmora.ini");
}

}  // namespace

// The system calls the profile writer makes, with the faults planted above.
extern "C" {
ssize_t __real_read(int fd, void* data, std::size_t size);
ssize_t __real_write(int fd, const void* data, std::size_t size);
int __real_fsync(int fd);
int __real_close(int fd);
int __real_rename(const char* from, const char* to);
int __real_flock(int fd, int operation);

ssize_t __wrap_read(int fd, void* data, std::size_t size) {
    return Planted("read") ? -1 : __real_read(fd, data, size);
}
ssize_t __wrap_write(int fd, const void* data, std::size_t size) {
    if (Planted("write")) {
        return g_fault.error != 0 ? -1 : __real_write(fd, data, std::min(size, g_fault.shortTo));
    }
    return __real_write(fd, data, size);
}
int __wrap_fsync(int fd) {
    return Planted("fsync") ? -1 : __real_fsync(fd);
}
int __wrap_close(int fd) {
    const int closed = __real_close(fd);  // closed even when it reports an error
    return Planted("close") ? -1 : closed;
}
int __wrap_rename(const char* from, const char* to) {
    return Planted("rename") ? -1 : __real_rename(from, to);
}
int __wrap_flock(int fd, int operation) {
    return Planted("flock") ? -1 : __real_flock(fd, operation);
}
}
