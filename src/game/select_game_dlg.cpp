#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

#include "game/game_dialogs.h"
#include "game/sol_doc.h"
#include "platform/window_services.h"

namespace {
constexpr std::uint32_t kFirstGame = 1;

// The field read as a dialog integer: blanks around it skipped (a pasted
// number often brings some), then decimal digits only; any other text reads
// as 0. A number too large for 32 bits gives nullopt, so that it is refused
// rather than wrapped into the valid range.
std::optional<std::uint32_t> ReadUnsignedField(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return 0;
    }
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        return std::nullopt;
    }
    if (error != std::errc{} || end != text.data() + text.size()) {
        return 0;
    }
    return value;
}
}  // namespace

bool CSelectGameDlg::OnOK(WindowServices& window) {
    const std::optional<std::uint32_t> number = ReadUnsignedField(m_strEdit);
    if (number && *number >= kFirstGame && *number <= CSolDoc::kLastGameNumber) {
        m_nGame = static_cast<int>(*number);
        return true;
    }
    window.MessageBox("Select a Game Number between 0 & 45900", "Kelmora");
    m_strEdit.assign(1, '0');
    return false;
}
