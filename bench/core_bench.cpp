// The core's hot paths on a surface that draws nothing, so the figures are the
// game's own work.
#include <benchmark/benchmark.h>

#include <string>

#include "core/table_text.h"
#include "fakes/fake_platform.h"

namespace {

struct Table : FakeTable {
    Table() {
        surface.keepLog = false;
        dialogs.highScore = [](CHighScoreDlg&) { return IDCANCEL; };
        dialogs.gameWon = [](CGameWonDlg&) { return IDCANCEL; };
    }
};

void StartGame(benchmark::State& state) {
    Table t;
    int game = 1;
    for (auto _ : state) {
        t.Deal(game);
        game = game % 45899 + 1;
        t.profile.writes.clear();
    }
}
BENCHMARK(StartGame);

void FullPaint(benchmark::State& state) {
    Table t;
    t.Deal(1);
    t.view->m_nSelected = 3;
    for (auto _ : state) {
        t.view->OnPaint();
    }
}
BENCHMARK(FullPaint);

void UpdateMoveCount(benchmark::State& state) {
    Table t;
    t.Deal(1);
    for (auto _ : state) {
        t.view->UpdateMoveCount();
        benchmark::DoNotOptimize(t.view->m_nMovesLeft);
    }
}
BENCHMARK(UpdateMoveCount);

// Column 1 ends in 10S 9H 8S 7H 6S; column 2's top is the Jack of diamonds;
// all four reserve cells are free.
void SetUpFiveCardRun(Table& t) {
    Lay(*t.view, {.columns = "KH TS 9H 8S 7H 6S|JD|KH|KD|KC|KS|KH|KD"});
    t.view->m_nSelected = 1;
    t.view->m_bMouseDown = 1;
}

void FiveCardRunMove(benchmark::State& state) {
    Table t;
    for (auto _ : state) {
        SetUpFiveCardRun(t);
        t.view->MoveRunToColumn(1);
    }
    if (t.view->m_nTop[1] != 5) {
        state.SkipWithError("the run did not move");
    }
}
BENCHMARK(FiveCardRunMove);

void MouseMoveOverAColumn(benchmark::State& state) {
    Table t;
    SetUpFiveCardRun(t);
    int x = 83;
    for (auto _ : state) {
        t.view->OnMouseMove(0, x, 150);
        x = x == 83 ? 84 : 83;
    }
}
BENCHMARK(MouseMoveOverAColumn);

// Four columns each hold one suit from King down to Ace: every card is safe.
void SetUpSafeFinish(Table& t) {
    std::string columns;
    for (const char suit : std::string("CSHD")) {
        for (const char rank : std::string("KQJT98765432A")) {
            columns += std::string{rank, suit, ' '};
        }
        columns += '|';
    }
    Lay(*t.view, {.columns = columns});
    t.view->m_bAutoPlay = 1;
}

void AutoPlayTick(benchmark::State& state) {
    Table t;
    for (auto _ : state) {
        SetUpSafeFinish(t);
        t.view->AutoPlay();
    }
}
BENCHMARK(AutoPlayTick);

void WholeAutomaticFinish(benchmark::State& state) {
    Table t;
    for (auto _ : state) {
        SetUpSafeFinish(t);
        for (int tick = 0; tick < 13; ++tick) {
            t.view->AutoPlay();
        }
    }
    if (t.view->m_Cards[7][20].nRank != 13) {
        state.SkipWithError("the cards did not all go home");
    }
}
BENCHMARK(WholeAutomaticFinish);

}  // namespace
