#include "king_icon.h"

#include <string_view>

#include "palette.h"
#include "pixel_art.h"

namespace artgen {
namespace {

// Drawn looking left: crown, silver hair and beard, ermine collar over a red robe.
// clang-format off
constexpr std::string_view kKingLookingLeft[] = {
    "................................",
    "..............K.................",
    "...........K.KYK.K..............",
    "..........KYKKYKKYK.K...........",
    "..........KYYYYYYYYKYK..........",
    "..........KYRYYBYYRYYK..........",
    "..........KYYYYYYYYYYK..........",
    "..........KOOOOOOOOOOK..........",
    ".........KKKKKKKKKKKKKK.........",
    ".........KWWWWWWWWWKSSSK........",
    "........KWKKWWKKKWWKSSSSK.......",
    "........KWWWWWWWWWWWKSGSK.......",
    "........KWKWWWKWWWWWKSSGSK......",
    "........KWKWWWKWWWWWKSSSSK......",
    ".......KWWWWWWWWWWWWKSGSSK......",
    "......KWWWWWWWWWWWWKSSSGSK......",
    "......KKKWWWWWWWWWKKSSSSK.......",
    "........KSSSSSSWWWKSSSGSK.......",
    ".......KSSKKKKSSSSSSSSSK........",
    ".......KSSSSSSSSSSSSSSK.........",
    "........KSSGSSSGSSSSK...........",
    "........KSSSSGSSSGSK............",
    ".........KSSGSSSSSK.............",
    "....KKKKKKKSSSGSSKKKKKKKK.......",
    "...KWWKWWWWKSSSSKWWWKWWWWKK.....",
    "..KWWWWWKWWWKSSKWWKWWWWKWWWK....",
    ".KRKKWWWWWWWKKKWWWWWWKKKKRRRK...",
    ".KRRRKKKKKKKKYKKKKKKKKRRRRRRK...",
    "KRRRRRRRRRRRKYKRRRRRRRRRRMRRRK..",
    "KRRMRRRRRRRRKYKRRRRRRRRRRMRRRRK.",
    "KRRMRRRRRRRRKYKRRRRRRRRRRRMRRRK.",
    "KRMRRRRRRRRRKYKRRRRRRRRRRRMRRRRK",
};
// clang-format on

}  // namespace

QImage KingIcon(bool lookingRight) {
    const ColourKey key = {
        {'K', colour::kBlack}, {'W', colour::kWhite},  {'Y', colour::kYellow},
        {'O', colour::kOlive}, {'R', colour::kRed},    {'M', colour::kMaroon},
        {'B', colour::kBlue},  {'S', colour::kSilver}, {'G', colour::kGray},
    };
    const QImage left = ArtImage(kKingLookingLeft, key, colour::kTeal, QImage::Format_RGB32);
    return lookingRight ? left.mirrored(true, false) : left;
}

}  // namespace artgen
