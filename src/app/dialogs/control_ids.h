#pragma once

// The ids of the dialogs' controls. Each control carries its id as its object
// name, so tests and helpers find it the way the dialog was drawn up. Ids are
// unique within a dialog only.
namespace control {
// The edit field of "Select Game" and "High Score".
constexpr int kEdit = 1000;
// "Game Over" when won: the three radio buttons.
constexpr int kNewGameRadio = 1002;
constexpr int kSameGameRadio = 1003;
constexpr int kSelectGameRadio = 1004;
// "Options": the three check boxes.
constexpr int kShowTimer = 1007;
constexpr int kLeftDoubleClick = 1009;
constexpr int kRightDoubleClick = 1017;
// "Statistics": the text of the best times and counts, and "Clear".
constexpr int kStatisticsText = 1000;
constexpr int kClear = 1010;
// "About Kelmora": the ticker.
constexpr int kTicker = 1016;
// "Game Over" when lost: the "Same Game" check box.
constexpr int kSameGameCheck = 1017;
// "Select": the two move buttons.
constexpr int kMoveSingleCard = 1018;
constexpr int kMoveColumn = 1019;
}  // namespace control
