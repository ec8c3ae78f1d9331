#pragma once

// Command ids of the menu and the toolbar. The toolbar pictures are named
// after them too. No toolkit here, so the artwork generator and the tests
// share these with the program.
namespace command {
constexpr int kNewGame = 32771;
constexpr int kOptions = 32773;
constexpr int kSelectGame = 32774;
constexpr int kRestartGame = 32775;
constexpr int kCardColor = 32791;
constexpr int kBackgroundColor = 32792;
constexpr int kDefaultColor = 32794;
constexpr int kStatistics = 32796;
constexpr int kAbout = 57664;
constexpr int kExit = 57665;
constexpr int kToggleToolBar = 59392;
constexpr int kToggleStatusBar = 59393;
}  // namespace command
