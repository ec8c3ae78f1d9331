#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <optional>

#include "app/profile/ini_profile.h"
#include "app/profile/profile_file.h"
#include "profile_folder.h"

namespace {

using ProfileReading = ProfileFolder;

TEST_F(ProfileReading, MissingFileSectionOrKeyGivesTheDefault) {
    IniProfile profile(path);
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Blue", 128), 128);
    EXPECT_EQ(profile.GetProfileString("Name", "t_Name1", "nobody"), "nobody");
    EXPECT_FALSE(std::filesystem::exists(path)) << "reading must not create the file";

    WriteFile("[Color]\nm_Red=5\n");
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Blue", 128), 128);
    EXPECT_EQ(profile.GetProfileInt("Options", "m_Red", 1), 1);
}

TEST_F(ProfileReading, NamesMatchWithoutCaseOrSurroundingBlanks) {
    WriteFile("[ color ]\r\n  M_RED =200\r\n[OPTIONS]\nrclk=0\n");
    IniProfile profile(path);
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Red", 0), 200);
    EXPECT_EQ(profile.GetProfileInt("Options", "Rclk", 1), 0);
}

TEST_F(ProfileReading, ValuesKeepTheirBlanksButLoseAForeignLineEnd) {
    WriteFile("[Name]\nt_Name1=  \nt_Name2= \r\nt_Name3= a = b \n");
    IniProfile profile(path);
    EXPECT_EQ(profile.GetProfileString("Name", "t_Name1", "x"), "  ");
    EXPECT_EQ(profile.GetProfileString("Name", "t_Name2", "x"), " ");
    EXPECT_EQ(profile.GetProfileString("Name", "t_Name3", "x"), " a = b ");
}

struct IntegerCase {
    std::string stored;
    int expected;
};

void PrintTo(const IntegerCase& integer, std::ostream* out) {
    *out << ::testing::PrintToString(integer.stored) << " reads as " << integer.expected;
}

class ProfileIntegers : public ProfileFolder, public ::testing::WithParamInterface<IntegerCase> {};

TEST_P(ProfileIntegers, ReadLikeTheOldProfileReader) {
    WriteFile("[Status]\nm_Won=" + GetParam().stored + "\n");
    EXPECT_EQ(IniProfile(path).GetProfileInt("Status", "m_Won", 77), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(LeadingDigitsCount, ProfileIntegers,
                         ::testing::Values(IntegerCase{"12abc", 12}, IntegerCase{"-5", -5},
                                           IntegerCase{"+7", 7}, IntegerCase{"  42", 42},
                                           IntegerCase{"\t3x", 3}, IntegerCase{"12 34", 12},
                                           IntegerCase{"007", 7}, IntegerCase{"0x10", 0},
                                           IntegerCase{"2147483647", INT_MAX},
                                           IntegerCase{"-2147483648", INT_MIN}));

INSTANTIATE_TEST_SUITE_P(NoUsableNumberGivesTheDefault, ProfileIntegers,
                         ::testing::Values(IntegerCase{"", 77}, IntegerCase{"abc", 77},
                                           IntegerCase{"-", 77}, IntegerCase{"+-5", 77},
                                           IntegerCase{"- 5", 77}, IntegerCase{"2147483648", 77},
                                           IntegerCase{"-2147483649", 77},
                                           IntegerCase{"4294967296", 77},
                                           IntegerCase{"99999999999999999999", 77}));

TEST_F(ProfileReading, DamagedFileKeepsItsWellFormedKeys) {
    std::string binary;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\n') {
            binary += static_cast<char>(byte);
        }
    }
    WriteFile("m_Red=1\n[Color]\ngarbage without an equals sign\n=17\n[unclosed\n" + binary +
              "\nm_Green=33\n" + std::string("\0\xff\xfe=", 4) + "\nm_Blue=44\n");
    IniProfile profile(path);
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Red", 0), 0) << "a key before any section";
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Green", 0), 33);
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Blue", 128), 44);
}

TEST_F(ProfileReading, HugeFileIsReadUpToTheLimitAndLeftAloneBeyondIt) {
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

TEST_F(ProfileReading, SomethingElseInPlaceOfTheFileIsNeitherReadNorReplaced) {
    std::filesystem::create_directory(path);
    IniProfile profile(path);
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Blue", 128), 128);
    EXPECT_FALSE(profile.WriteProfileInt("Color", "m_Blue", 1));
    EXPECT_TRUE(std::filesystem::is_directory(path));

    // A fifo would block an ordinary read forever.
    std::filesystem::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_EQ(profile.GetProfileInt("Color", "m_Blue", 128), 128);
    EXPECT_FALSE(profile.WriteProfileInt("Color", "m_Blue", 1));
    EXPECT_TRUE(std::filesystem::is_fifo(path));

    // A regular file where the folder should be.
    IniProfile blocked(folder / "blocker" / "kelmora.ini");
    std::ofstream(folder / "blocker") << "mine";
    EXPECT_FALSE(blocked.WriteProfileInt("Color", "m_Blue", 1));
    EXPECT_EQ(std::filesystem::file_size(folder / "blocker"), 4u);
}

// Sets or clears an environment variable for one scope.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        Set(name, value);
    }
    ~ScopedEnvironment() { Set(m_name, m_old ? m_old->c_str() : nullptr); }

  private:
    static void Set(const char* name, const char* value) {
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }

    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(ProfileLocation, ConfigHomeWhenAbsoluteElseDotConfigInHome) {
    const ScopedEnvironment home("HOME", "/home/player");
    {
        const ScopedEnvironment configHome("XDG_CONFIG_HOME", "/srv/config");
        EXPECT_EQ(IniProfile::DefaultPath(), "/srv/config/kelmora/kelmora.ini");
    }
    for (const char* ignored : {"relative/config", "", static_cast<const char*>(nullptr)}) {
        const ScopedEnvironment configHome("XDG_CONFIG_HOME", ignored);
        EXPECT_EQ(IniProfile::DefaultPath(), "/home/player/.config/kelmora/kelmora.ini");
    }
}

}  // namespace
