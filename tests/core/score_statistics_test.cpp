#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "score/best_times.h"
#include "table_text.h"

namespace {

// A time takes the first slot that is empty or holds a longer one, pushing the
// slots below it down; a tie goes below. A declined name leaves blanks.
TEST(BestTimes, TakeOnlyStrictlyBetterTimes) {
    const struct {
        int times[3], seconds, slot, after[3];
    } cases[] = {{{0, 0, 0}, 90, 0, {90, 0, 0}},
                 {{100, 200, 0}, 150, 1, {100, 150, 200}},
                 {{100, 200, 0}, 300, 2, {100, 200, 300}},
                 {{100, 200, 300}, 300, -1, {100, 200, 300}},
                 {{100, 200, 300}, 100, 1, {100, 100, 200}}};
    for (const auto& test : cases) {
        int times[3], games[3];
        std::string names[3];
        for (int slot = 0; slot < 3; ++slot) {
            times[slot] = games[slot] = test.times[slot];
            names[slot] = std::to_string(test.times[slot]);
        }
        EXPECT_EQ(EnterBestTime({times, games, names}, test.seconds, test.seconds), test.slot);
        for (int slot = 0; slot < 3; ++slot) {
            EXPECT_EQ(times[slot], test.after[slot]) << test.seconds << " seconds, slot " << slot;
            EXPECT_EQ(games[slot], test.after[slot]);
            EXPECT_TRUE(slot == test.slot || names[slot] == std::to_string(test.after[slot]));
        }
    }
    EXPECT_EQ(UnnamedBestTime(0) + UnnamedBestTime(1) + UnnamedBestTime(2), "    ");
}

// Statistics opened on stored values, Clear pressed unless `clearAnswer` is 0,
// then closed; with `winInside` a tick in the dialog first wins game 321 in 50
// seconds for "D". Only OK keeps what the dialog did, and writes all eleven
// entries: won, lost, then the best times, their games and names.
TEST(Statistics, OnlyOkKeepsWhatTheDialogDid) {
    const std::string stored = "3 4 61 72 83 11 22 33 A B C",
                      cleared = "0 0 0 0 0 0 0 0" + std::string(6, ' ');  // blank names
    const struct {
        int clearAnswer, closeWith;
        bool winInside;
        std::string kept;
    } cases[] = {{0, IDOK, false, stored},
                 {IDOK, IDOK, false, cleared},
                 {IDOK, IDCANCEL, false, stored},
                 {IDCANCEL, IDOK, false, stored},
                 {0, IDOK, true, "4 4 50 61 72 321 11 22 D A B"},
                 {IDOK, IDOK, true, cleared}};
    for (const auto& test : cases) {
        FakeTable t;
        CSolView& v = *t.view;
        const auto written = [&t] {
            std::string values;
            for (const std::string& w : t.profile.writes) {
                values += (values.empty() ? "" : " ") + w.substr(w.find('=') + 1);
            }
            return values;
        };
        v.m_Won = 3;
        v.m_Lost = 4;
        for (int slot = 0; slot < 3; ++slot) {
            v.t_Time[slot] = 61 + 11 * slot;
            v.t_Game[slot] = 11 + 11 * slot;
            v.t_Name[slot] = std::string(1, static_cast<char>('A' + slot));
        }
        if (test.winInside) {
            t.Deal(321);
            Lay(t, "", "KC KS KH KD", "");
            v.m_bAutoPlay = 1;
            v.m_nSeconds = 50;
            t.dialogs.highScore = [](CHighScoreDlg& dlg) { return dlg.m_strName = "D", IDOK; };
            t.dialogs.gameWon = [](CGameWonDlg&) { return IDCANCEL; };
        }
        t.dialogs.clearStats = [&test](CClearStatsDlg&) { return test.clearAnswer; };
        t.dialogs.statistics = [&](CStatisticsDlg& dlg) {
            if (test.winInside) {
                v.OnTimer(kGameTimer);
            }
            t.profile.writes.clear();
            if (test.clearAnswer != 0) {
                dlg.OnClear(t.dialogs);
            }
            return test.closeWith;
        };
        v.OnStatistics();
        EXPECT_EQ(written(), test.closeWith == IDOK ? test.kept : "") << &test - cases;
        t.dialogs.statistics = [](CStatisticsDlg&) { return IDOK; };
        t.profile.writes.clear();
        v.OnStatistics();
        EXPECT_EQ(written(), test.kept);
    }
}

// The percentage won drops the remainder and never overflows.
TEST(Statistics, TextShowsThreeSlotsThenThePercentageAndTheCounts) {
    CStatisticsDlg fresh;
    fresh.OnInitDialog();
    EXPECT_EQ(fresh.m_strText, "#0\t\t0\t\n#0\t\t0\t\n#0\t\t0\t\n\n\n0%\n\nWon   0\nLost    0");
    const std::tuple<int, int, std::string> cases[] = {{1, 2, "33"},
                                                       {2, 1, "66"},
                                                       {0, 5, "0"},
                                                       {2'000'000'000, 0, "100"},
                                                       {1 << 30, 1 << 30, "50"}};
    for (const auto& [won, lost, percent] : cases) {
        CStatisticsDlg dlg;
        dlg.m_nWon = won;
        dlg.m_nLost = lost;
        dlg.OnInitDialog();
        EXPECT_NE(dlg.m_strText.find("\n\n\n" + percent + "%\n"), std::string::npos) << won;
    }
}

}  // namespace
