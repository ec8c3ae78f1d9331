#pragma once

#include <QString>

#include "app/command_ids.h"

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
