#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace {

CStatisticsDlg Counts(int won, int lost) {
    CStatisticsDlg dlg;
    dlg.m_nWon = won;
    dlg.m_nLost = lost;
    return dlg;
}

std::string PercentLine(CStatisticsDlg dlg) {
    dlg.OnInitDialog();
    const auto end = dlg.m_strText.find("%\n");
    const auto begin = dlg.m_strText.rfind('\n', end) + 1;
    return dlg.m_strText.substr(begin, end - begin);
}

TEST(StatisticsText, FreshProfileShowsZerosAndEmptyNames) {
    CStatisticsDlg dlg;
    dlg.OnInitDialog();
    EXPECT_EQ(dlg.m_strText, "#0\t\t0\t\n#0\t\t0\t\n#0\t\t0\t\n\n\n0%\n\nWon   0\nLost    0");
}

TEST(StatisticsText, ShowsEachSlotOnItsOwnLine) {
    CStatisticsDlg dlg = Counts(12, 23);
    const int times[] = {95, 120, 300};
    const int games[] = {1234, 45899, 7};
    const char* names[] = {"Ann", "  ", "Bo & Co"};
    for (int slot = 0; slot < 3; ++slot) {
        dlg.m_nBestTime[slot] = times[slot];
        dlg.m_nBestGame[slot] = games[slot];
        dlg.m_strBestName[slot] = names[slot];
    }
    dlg.OnInitDialog();
    EXPECT_EQ(dlg.m_strText,
              "#1234\t\t95\tAnn\n#45899\t\t120\t  \n#7\t\t300\tBo & Co\n"
              "\n\n34%\n\nWon   12\nLost    23");
}

TEST(StatisticsText, PercentageDropsTheRemainderAndNeverOverflows) {
    EXPECT_EQ(PercentLine(Counts(1, 2)), "33");
    EXPECT_EQ(PercentLine(Counts(2, 1)), "66");
    EXPECT_EQ(PercentLine(Counts(0, 5)), "0");
    EXPECT_EQ(PercentLine(Counts(5, 0)), "100");
    EXPECT_EQ(PercentLine(Counts(12, 23)), "34");
    EXPECT_EQ(PercentLine(Counts(2'000'000'000, 0)), "100");
    EXPECT_EQ(PercentLine(Counts(1'000'000'000, 1'000'000'000)), "50");
}

TEST(StatisticsClear, AsksFirstAndEmptiesOnlyOnYes) {
    ScriptedDialogs dialogs;
    CStatisticsDlg dlg = Counts(3, 4);
    for (int slot = 0; slot < 3; ++slot) {
        dlg.m_nBestTime[slot] = 100 + slot;
        dlg.m_nBestGame[slot] = 200 + slot;
        dlg.m_strBestName[slot] = "Player";
    }
    dlg.OnInitDialog();
    const std::string before = dlg.m_strText;

    dialogs.clearStats = [](CClearStatsDlg&) { return IDCANCEL; };
    dlg.OnClear(dialogs);
    EXPECT_EQ(dlg.m_nWon, 3);
    EXPECT_EQ(dlg.m_nBestGame[2], 202);
    EXPECT_EQ(dlg.m_strText, before);

    dialogs.clearStats = [](CClearStatsDlg&) { return IDOK; };
    dlg.OnClear(dialogs);
    EXPECT_EQ(dialogs.shown["CClearStatsDlg"], 2);
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(dlg.m_nBestTime[slot], 0);
        EXPECT_EQ(dlg.m_nBestGame[slot], 0);
        EXPECT_EQ(dlg.m_strBestName[slot], " ");
    }
    EXPECT_EQ(dlg.m_nWon, 0);
    EXPECT_EQ(dlg.m_nLost, 0);
    EXPECT_EQ(dlg.m_strText, "#0\t\t0\t \n#0\t\t0\t \n#0\t\t0\t \n\n\n0%\n\nWon   0\nLost    0");
}

}  // namespace
