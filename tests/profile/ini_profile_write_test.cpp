#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <csignal>

#include "app/profile/ini_profile.h"
#include "profile_folder.h"

namespace {

using ProfileWriting = ProfileFolder;

class ProfileStrings : public ProfileFolder, public ::testing::WithParamInterface<std::string> {};

TEST_P(ProfileStrings, ReadBackExactlyAndStayOnOneLine) {
    IniProfile profile(path);
    ASSERT_TRUE(profile.WriteProfileString("Name", "t_Name1", GetParam()));
    EXPECT_EQ(profile.GetProfileString("Name", "t_Name1", "default"), GetParam());
    EXPECT_EQ(std::ranges::count(ReadFile(), '\n'), 2) << ReadFile();
    EXPECT_EQ(profile.GetProfileInt("Options", "m_Show", 1), 1);
}

INSTANTIATE_TEST_SUITE_P(AnythingAPlayerTypes, ProfileStrings,
                         ::testing::Values("", " ", "  ", "Ann Lee", "line\nbreak", "\r\n",
                                           "[Options]", "m_Show=0", "a\n[Options]\nm_Show=0\n",
                                           "back\\slash\\n", "\\x41", "ends with \\", "tab\there",
                                           std::string("\x7f\x01\0\x1f", 4), "Zoë 名前 ♠"));

TEST_F(ProfileWriting, StringsAreStoredEscapedAndIntegersAsDecimals) {
    IniProfile profile(path);
    ASSERT_TRUE(profile.WriteProfileString("Name", "t_Name1", "a\nb\\c\r\x01"));
    ASSERT_TRUE(profile.WriteProfileInt("Status", "m_Lost", INT_MIN));
    EXPECT_EQ(ReadFile(), "[Name]\nt_Name1=a\\nb\\\\c\\r\\x01\n\n[Status]\nm_Lost=-2147483648\n");
    EXPECT_EQ(profile.GetProfileInt("Status", "m_Lost", 0), INT_MIN);
}

TEST_F(ProfileWriting, ChangesOneKeyAndKeepsEveryOtherLineAndThePermissions) {
    WriteFile("; my notes\n[Color]\r\nm_Red=1\r\n\n[Options]\nm_Show=0\nunknown line");
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    IniProfile profile(path);
    ASSERT_TRUE(profile.WriteProfileInt("Color", "m_Green", 2));
    ASSERT_TRUE(profile.WriteProfileInt("color", "M_RED", 3));
    ASSERT_TRUE(profile.WriteProfileInt("Status", "m_Won", 4));
    EXPECT_EQ(ReadFile(),
              "; my notes\n[Color]\r\nM_RED=3\nm_Green=2\n\n[Options]\nm_Show=0\nunknown line\n"
              "\n[Status]\nm_Won=4\n");
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u);
}

TEST_F(ProfileWriting, DuplicatesAreReadAndChangedTheSameWay) {
    WriteFile("[Color]\nm_Red=1\nm_Red=2\n[Color]\nm_Red=3\nm_Green=4\n");
    IniProfile profile(path);
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Red", 0), 1);
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Green", 0), 0) << "a later section of the name";
    ASSERT_TRUE(profile.WriteProfileInt("Color", "m_Red", 5));
    ASSERT_TRUE(profile.WriteProfileInt("Color", "m_Green", 6));
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Red", 0), 5);
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Green", 0), 6);
    EXPECT_EQ(ReadFile(), "[Color]\nm_Red=5\nm_Red=2\nm_Green=6\n[Color]\nm_Red=3\nm_Green=4\n");
}

TEST_F(ProfileWriting, FirstWriteCreatesTheFoldersAndAPrivateFile) {
    const std::filesystem::path nested = folder / "config" / "kelmora" / "kelmora.ini";
    IniProfile profile(nested);
    ASSERT_TRUE(profile.WriteProfileInt("Color", "m_Blue", 64));
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Blue", 128), 64);
    struct stat status {};
    ASSERT_EQ(::stat(nested.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
}

TEST_F(ProfileWriting, KeysOfAnotherRunningGameSurvive) {
    IniProfile mine(path);
    IniProfile theirs(path);
    ASSERT_TRUE(mine.WriteProfileInt("Status", "m_Won", 1));
    ASSERT_TRUE(theirs.WriteProfileInt("Status", "m_Lost", 2));
    ASSERT_TRUE(mine.WriteProfileInt("Time", "t_Time1", 3));
    IniProfile next(path);
    EXPECT_EQ(next.GetProfileInt("Status", "m_Won", 0), 1);
    EXPECT_EQ(next.GetProfileInt("Status", "m_Lost", 0), 2);
    EXPECT_EQ(next.GetProfileInt("Time", "t_Time1", 0), 3);
}

// Lowers the largest file this process may write, as a nearly full disk would.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) : m_oldHandler(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit lowered = m_old;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

  private:
    void (*m_oldHandler)(int);
    rlimit m_old{};
};

enum class Obstacle { ReadOnlyFolder, FullDisk };

void PrintTo(Obstacle obstacle, std::ostream* out) {
    *out << (obstacle == Obstacle::ReadOnlyFolder ? "read-only folder" : "full disk");
}

class FailedWrite : public ProfileFolder, public ::testing::WithParamInterface<Obstacle> {};

TEST_P(FailedWrite, LeavesTheOldFileAsItWasAndNoTemporaryFile) {
    const std::string old = "[Status]\nm_Won=12\nm_Lost=5\n";
    WriteFile(old);
    IniProfile profile(path);
    bool written = true;
    if (GetParam() == Obstacle::ReadOnlyFolder) {
        if (::geteuid() == 0) {
            GTEST_SKIP() << "running as root: folder permissions do not stop writes; "
                            "the FullDisk case makes the same write fail";
        }
        ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
        written = profile.WriteProfileString("Name", "t_Name1", "a name longer than the limit");
        ::chmod(folder.c_str(), 0755);
    } else {
        const FileSizeLimit limit(16);
        written = profile.WriteProfileString("Name", "t_Name1", "a name longer than the limit");
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFile(), old);
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"kelmora.ini"});
    EXPECT_EQ(profile.GetProfileInt("Status", "m_Won", 0), 12);
}

INSTANTIATE_TEST_SUITE_P(Obstacles, FailedWrite,
                         ::testing::Values(Obstacle::ReadOnlyFolder, Obstacle::FullDisk));

}  // namespace
