#include "toolbar_images.h"

#include <string_view>

#include "app/command_ids.h"
#include "palette.h"
#include "pixel_art.h"

namespace artgen {
namespace {

// clang-format off
// a fresh card with a sparkle
constexpr std::string_view kNewGame[] = {
    "..........K.....",
    ".........KYK....",
    ".KKKKKKKKYWYK...",
    ".KWWWWWKYWWWYK..",
    ".KWWWWWWKYWYK...",
    ".KWWWWWWWKYK....",
    ".KWWRWRWWWKK....",
    ".KWRRRRRWWK.....",
    ".KWRRRRRWWK.....",
    ".KWWRRRWWWK.....",
    ".KWWWRWWWWK.....",
    ".KWWWWWWWWK.....",
    ".KWWWWWWWWK.....",
    ".KKKKKKKKKK.....",
    "................",
};

// a card with a number sign
constexpr std::string_view kSelectGame[] = {
    "................",
    "...KKKKKKKKKK...",
    "...KWWWWWWWWK...",
    "...KWWKWWKWWK...",
    "...KWWKWWKWWK...",
    "...KWKKKKKKWK...",
    "...KWWKWWKWWK...",
    "...KWWKWWKWWK...",
    "...KWKKKKKKWK...",
    "...KWWKWWKWWK...",
    "...KWWKWWKWWK...",
    "...KWWWWWWWWK...",
    "...KWWWWWWWWK...",
    "...KKKKKKKKKK...",
    "................",
};

// a turning arrow
constexpr std::string_view kRestartGame[] = {
    "................",
    ".....KKKKK......",
    "...KKLLLLLKK.K..",
    "..KLLKKKKKLLKLK.",
    ".KLLK.....KLLLK.",
    ".KLK.....KLLLLK.",
    "KLLK.....KKKKKK.",
    "KLK.............",
    "KLK.............",
    "KLLK.......KK...",
    ".KLK......KLK...",
    ".KLLK....KLLK...",
    "..KLLKKKKLLK....",
    "...KKLLLLLKK....",
    ".....KKKKK......",
};

// a ticked check box
constexpr std::string_view kOptions[] = {
    "................",
    ".KKKKKKK........",
    ".KWWWWWK.....KK.",
    ".KWWWWWK...KKLK.",
    ".KWKWWWK..KLLK..",
    ".KWKKWWKKKLLK...",
    ".KWKLKKKLLLK....",
    ".KWWKLLLLLK.....",
    ".KWWWKLLLKK.....",
    ".KWWWWKLKWK.....",
    ".KWWWWWKWWK.....",
    ".KWWWWWWWWK.....",
    ".KKKKKKKKKK.....",
    "................",
    "................",
};

// a bar chart
constexpr std::string_view kStatistics[] = {
    "................",
    "..........KKK...",
    "..........KRK...",
    "..........KRK...",
    "......KKK.KRK...",
    "......KBK.KRK...",
    "......KBK.KRK...",
    "..KKK.KBK.KRK...",
    "..KLK.KBK.KRK...",
    "..KLK.KBK.KRK...",
    "..KLK.KBK.KRK...",
    "..KLK.KBK.KRK...",
    ".KKKKKKKKKKKKKK.",
    "................",
    "................",
};

// a tinted card
constexpr std::string_view kCardColor[] = {
    "................",
    "..KKKKKKKKKKK...",
    "..KFWFWFWFWFK...",
    "..KWFWFWFWFWK...",
    "..KFWFWFWFWFK...",
    "..KWFWFWFWFWK...",
    "..KFWFWFWFWFK...",
    "..KQQQQQQQQQK...",
    "..KQQQQQQQQQK...",
    "..KQQQQQQQQQK...",
    "..KQQQQQQQQQK...",
    "..KQQQQQQQQQK...",
    "..KQQQQQQQQQK...",
    "..KKKKKKKKKKK...",
    "................",
};

// a painter's palette
constexpr std::string_view kBackgroundColor[] = {
    "................",
    "....KKKKKKK.....",
    "..KKOYYYYYOKK...",
    ".KOYRRYYYBBYOK..",
    ".KYYRRYYYBBYYK..",
    "KOYYYYYYYYYYYOK.",
    "KYVVYYYKKYYYYYK.",
    "KYVVYYKWWKYYYOK.",
    "KYYYYYKWWKYYK...",
    "KOYYYYYKKYYYK...",
    ".KYQQYYYYYYYYK..",
    ".KOQQYYYYYYYOK..",
    "..KKOYYYYYOKK...",
    "....KKKKKKK.....",
    "................",
};

// a white card on the navy table
constexpr std::string_view kDefaultColor[] = {
    "KKKKKKKKKKKKKKKK",
    "KNNNNNNNNNNNNNNK",
    "KNNNNNNNNNNNNNNK",
    "KNNNKKKKKKKNNNNK",
    "KNNNKWWWWWKNNNNK",
    "KNNNKWWRWWKNNNNK",
    "KNNNKWRRRWKNNNNK",
    "KNNNKWRRRWKNNNNK",
    "KNNNKWWRWWKNNNNK",
    "KNNNKWWWWWKNNNNK",
    "KNNNKWWWWWKNNNNK",
    "KNNNKKKKKKKNNNNK",
    "KNNNNNNNNNNNNNNK",
    "KNNNNNNNNNNNNNNK",
    "KKKKKKKKKKKKKKKK",
};

// an information badge
constexpr std::string_view kAbout[] = {
    "................",
    ".....KKKKKK.....",
    "...KKBBBBBBKK...",
    "..KBBBBWWBBBBK..",
    ".KBBBBBWWBBBBBK.",
    ".KBBBBBBBBBBBBK.",
    "KBBBBBWWWBBBBBBK",
    "KBBBBBBWWBBBBBBK",
    "KBBBBBBWWBBBBBBK",
    "KBBBBBBWWBBBBBBK",
    ".KBBBBBWWBBBBBK.",
    ".KBBBBWWWWBBBBK.",
    "..KBBBBBBBBBBK..",
    "...KKBBBBBBKK...",
    ".....KKKKKK.....",
};
// clang-format on

QImage ToolbarImage(ArtRows art) {
    const ColourKey key = {
        {'K', colour::kBlack},  {'W', colour::kWhite}, {'R', colour::kRed},
        {'B', colour::kBlue},   {'N', colour::kNavy},  {'L', colour::kGreen},
        {'Y', colour::kYellow}, {'O', colour::kOlive}, {'F', colour::kFuchsia},
        {'Q', colour::kAqua},   {'V', colour::kLime},
    };
    return ArtImage(art, key, colour::kClear, QImage::Format_ARGB32);
}

}  // namespace

std::vector<ToolbarButtonImage> ToolbarImages() {
    return {
        {command::kNewGame, ToolbarImage(kNewGame)},
        {command::kSelectGame, ToolbarImage(kSelectGame)},
        {command::kRestartGame, ToolbarImage(kRestartGame)},
        {command::kOptions, ToolbarImage(kOptions)},
        {command::kStatistics, ToolbarImage(kStatistics)},
        {command::kCardColor, ToolbarImage(kCardColor)},
        {command::kBackgroundColor, ToolbarImage(kBackgroundColor)},
        {command::kDefaultColor, ToolbarImage(kDefaultColor)},
        {command::kAbout, ToolbarImage(kAbout)},
    };
}

}  // namespace artgen
