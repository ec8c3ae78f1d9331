#pragma once

#include <QString>

// Command ids of the menu and the toolbar.
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

// What the program says about a command: the status-bar prompt while the
// pointer rests on it, and the toolbar tooltip. Both are empty for a command
// the string table has no text for.
struct CommandPrompt {
    QString statusTip;
    QString toolTip;
};

CommandPrompt PromptFor(int commandId);

// The status-bar text while no command is under the pointer.
QString IdleStatusText();
