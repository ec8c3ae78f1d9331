#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace {

struct SelectGameOk : ::testing::Test {
    FakeWindow window;
    CSelectGameDlg dlg;

    bool Press(const std::string& typed) {
        dlg.m_strEdit = typed;
        return dlg.OnOK(window);
    }
};

TEST_F(SelectGameOk, AcceptsBothEndsOfTheRange) {
    EXPECT_TRUE(Press("1"));
    EXPECT_EQ(dlg.m_nGame, 1);
    EXPECT_TRUE(Press("45899"));
    EXPECT_EQ(dlg.m_nGame, 45899);
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(SelectGameOk, SkipsLeadingBlanks) {
    EXPECT_TRUE(Press("  \t1234"));
    EXPECT_EQ(dlg.m_nGame, 1234);
}

class SelectGameRefuses : public SelectGameOk, public ::testing::WithParamInterface<const char*> {};

TEST_P(SelectGameRefuses, TellsTheRangeAndResetsTheField) {
    dlg.m_nGame = 777;
    EXPECT_FALSE(Press(GetParam()));
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].first, "Select a Game Number between 0 & 45900");
    EXPECT_EQ(window.messages[0].second, "Kelmora");
    EXPECT_EQ(dlg.m_strEdit, "0");
    EXPECT_EQ(dlg.m_nGame, 777);
}

// 4294967297 is 2^32 + 1: wrapped to 32 bits it would read as game 1.
INSTANTIATE_TEST_SUITE_P(OutOfRangeOrNotANumber, SelectGameRefuses,
                         ::testing::Values("0", "45900", "", "-5", "+5", "abc", "  ", "12abc",
                                           "4294967297", "99999999999999999999"));

}  // namespace
