#include "app/profile/ini_profile.h"
#include "fakes/fake_platform.h"
#include "profile_folder.h"

namespace {

// A freshly started game whose profile is the real file.
struct ViewOnFile {
    explicit ViewOnFile(Profile& profile)
        : view(doc, Platform{surface, window, dialogs, profile}) {}

    CSolDoc doc;
    RecordingSurface surface;
    FakeWindow window;
    ScriptedDialogs dialogs;
    CSolView view;
};

using ProfileAtStartUp = ProfileFolder;

TEST_F(ProfileAtStartUp, FreshProfileGivesANavyTableTheClockAndBothShortcuts) {
    IniProfile profile(path);
    const ViewOnFile game(profile);
    EXPECT_EQ(game.view.m_crBackground, MakeColorRef(0, 0, 128));
    EXPECT_EQ(game.view.m_Show, 1);
    EXPECT_EQ(game.view.m_DblClk, 1);
    EXPECT_EQ(game.view.m_Rclk, 1);
    EXPECT_EQ(game.view.m_Won, 0);
    EXPECT_EQ(game.view.t_Name[0], "");
}

TEST_F(ProfileAtStartUp, StoredSettingsAndStatisticsReachTheView) {
    WriteFile(
        "[Color]\nm_Red=300\nm_Green=-1\n[Options]\nDblClk=0\n"
        "[Time]\nt_Time2=95\n[Name]\nt_Name1=  \nt_Name2=Ann\\nLee\n");
    IniProfile profile(path);
    const ViewOnFile game(profile);
    EXPECT_EQ(game.view.m_Red, 300);
    EXPECT_EQ(game.view.m_crBackground, MakeColorRef(44, 255, 128));
    EXPECT_EQ(game.view.m_DblClk, 0);
    EXPECT_EQ(game.view.m_Rclk, 1);
    EXPECT_EQ(game.view.t_Time[1], 95);
    EXPECT_EQ(game.view.t_Name[0], "  ");
    EXPECT_EQ(game.view.t_Name[1], "Ann\nLee");
}

}  // namespace
