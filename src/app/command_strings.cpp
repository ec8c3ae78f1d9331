#include "app/command_strings.h"

#include <algorithm>
#include <iterator>

namespace {
// The string table: prompt, a line break, then the tooltip.
struct StringEntry {
    int id;
    const char* text;
};
constexpr StringEntry kStringTable[] = {
    {command::kNewGame, "Starts a New Game\nNew Game"},
    {command::kOptions, "Displays Options Dialog Box\nOptions"},
    {command::kSelectGame, "Selects a New Game\nSelect Game"},
    {command::kRestartGame, "Restarts the Game\nRestart Game"},
    {command::kCardColor, "Sets the Card Color\nCard Color"},
    {command::kBackgroundColor, "Sets the BackGround Color\nBackGround Color"},
    {command::kDefaultColor, "Set Card and Background Color to Default\nDefault Color"},
    {command::kStatistics, "Displays Statistics Dialog Box\nStatistics"},
    {command::kAbout, "Display program information, version number and copyright\nAbout"},
    {command::kExit, "Quit the application; prompts to save documents\nExit"},
};
}  // namespace

CommandPrompt PromptFor(int commandId) {
    const auto entry =
        std::find_if(std::begin(kStringTable), std::end(kStringTable),
                     [commandId](const StringEntry& e) { return e.id == commandId; });
    if (entry == std::end(kStringTable)) {
        return {};
    }
    const QString text = QString::fromLatin1(entry->text);
    return {text.section(QLatin1Char('\n'), 0, 0), text.section(QLatin1Char('\n'), 1)};
}

QString IdleStatusText() {
    return QStringLiteral("Ready");
}
