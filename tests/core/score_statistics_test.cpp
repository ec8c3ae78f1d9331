#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_platform.h"

namespace {

using Writes = std::vector<std::string>;

// The statistics write of the fixture's values, with `lost` games lost.
Writes StoredWrites(int lost) {
    return {"Status/m_Won=3",   "Status/m_Lost=" + std::to_string(lost),
            "Time/t_Time1=61",  "Time/t_Time2=72",
            "Time/t_Time3=83",  "Game/t_Game1=11",
            "Game/t_Game2=22",  "Game/t_Game3=33",
            "Name/t_Name1=Ann", "Name/t_Name2=Bo",
            "Name/t_Name3=Cy"};
}

struct StatisticsCommand : ::testing::Test {
    FakeTable t;

    void SetUp() override {
        CSolView& v = *t.view;
        v.m_Won = 3;
        v.m_Lost = 4;
        const int times[] = {61, 72, 83};
        const int games[] = {11, 22, 33};
        const char* names[] = {"Ann", "Bo", "Cy"};
        for (int slot = 0; slot < 3; ++slot) {
            v.t_Time[slot] = times[slot];
            v.t_Game[slot] = games[slot];
            v.t_Name[slot] = names[slot];
        }
        t.dialogs.clearStats = [](CClearStatsDlg&) { return IDOK; };
    }
    // The dialog's Clear button pressed, then the dialog left with `result`.
    void ClearThenClose(int result) {
        t.dialogs.statistics = [this, result](CStatisticsDlg& dlg) {
            dlg.OnClear(t.dialogs);
            return result;
        };
        t.view->OnStatistics();
    }
};

TEST_F(StatisticsCommand, OkWritesAllElevenEntriesInOrder) {
    t.dialogs.statistics = [](CStatisticsDlg&) { return IDOK; };
    t.view->OnStatistics();
    EXPECT_EQ(t.profile.writes, StoredWrites(4));
}

TEST_F(StatisticsCommand, ClearThenOkEmptiesTheViewAndTheProfile) {
    ClearThenClose(IDOK);
    EXPECT_EQ(t.view->m_Won, 0);
    EXPECT_EQ(t.view->t_Time[0], 0);
    EXPECT_EQ(t.view->t_Name[2], " ");
    EXPECT_EQ(t.profile.writes,
              (Writes{"Status/m_Won=0", "Status/m_Lost=0", "Time/t_Time1=0", "Time/t_Time2=0",
                      "Time/t_Time3=0", "Game/t_Game1=0", "Game/t_Game2=0", "Game/t_Game3=0",
                      "Name/t_Name1= ", "Name/t_Name2= ", "Name/t_Name3= "}));
}

TEST_F(StatisticsCommand, ClearThenCloseForgetsTheClear) {
    ClearThenClose(IDCANCEL);
    EXPECT_TRUE(t.profile.writes.empty());
    EXPECT_EQ(t.view->m_Won, 3);
    EXPECT_EQ(t.view->m_Lost, 4);
    EXPECT_EQ(t.view->t_Time[1], 72);
    EXPECT_EQ(t.view->t_Game[2], 33);
    EXPECT_EQ(t.view->t_Name[0], "Ann");
}

TEST_F(StatisticsCommand, EveryGameStartWritesAllElevenEntries) {
    t.Deal(1);
    EXPECT_EQ(t.profile.writes.size(), 11u);
    EXPECT_EQ(t.profile.writes.front(), "Status/m_Won=3") << "the first game counts nothing";
    t.profile.writes.clear();

    t.Deal(2);
    EXPECT_EQ(t.profile.writes, StoredWrites(5));
}

}  // namespace
