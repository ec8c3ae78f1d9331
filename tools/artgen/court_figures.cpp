#include "court_figures.h"

#include <string_view>

#include "palette.h"
#include "pixel_art.h"

namespace artgen {
namespace {

// K black outline, W white, Y yellow and O olive for gold, S silver and G gray for steel
// and grey hair, M maroon hair, R red lips and roses, L green leaves; P robe, D robe fold
// and A trim take the suit's colours.
// clang-format off
constexpr std::string_view kJack[] = {
    "................................KKK..........",
    "....................KKKKKK....KKWWWK..K......",
    "..................KKAAAAAAKK.KWWSWK..KSK.....",
    ".................KAAAAAAAAAAKWSWWK...KSK.....",
    "................KAAAAAAAAAAKWWSK....KKSKKK...",
    "...............KAAAAAAAAAAAAKKK....KWWSWWSK..",
    "..............KKKYYYYYYYYYYYKKK....KWSSWSK...",
    "..............KYYOYYOYYOYYOYYK.....KWSSWK....",
    "..............KKKKKKKKKKKKKKKK.....KWWSK.....",
    "...............KMMKWWWWWWWKMMK......KKOK.....",
    "...............KMKWWWWWWWWWKMK.......KOK.....",
    "...............KMKWKKKWKKKWKMK.......KOK.....",
    "...............KMKWWKWWWKWWKMK.......KOK.....",
    "...............KMKWWWWKWWWWKMK.......KOK.....",
    "...............KMKWWWWKKWWWKMK.......KOK.....",
    "................KKWWWWWWWWWKK........KOK.....",
    ".................KWWWKKKWWWK.........KOK.....",
    "..................KWWWWWWWK..........KOK.....",
    "...................KKKKKKK...........KOK.....",
    "....................KWWWK............KOK.....",
    "................KKKKKKKKKKKKK........KOK.....",
    "..............KKWWWWWWWWWWWWWKK......KOK.....",
    ".........KPPPKWWWWKWWWWWWWKWWWWKPPPK.KOK.....",
    ".......KPPPPPPKKWWWWKWWWKWWWWKKPPPPPPKOK.....",
    ".....KPPPPPPPPPPKKKKWWWWWKKKKPPPPPPKKKKKK....",
    "....KPPPPPPPPPPPKYYAKKKKKYYAKPPPPPKWWWWWK....",
    "...KPPDPPPPPPPPPKAAYYAAYYAAYKPPPPPKKKKWWKK...",
    "...KPPPDPPPPPPPPKAAYYAAYYAAYKPPPPPKWWWWWKK...",
    "..KPPPDPPPPPPPPPKYYAAYYAAYYAKPPPPPPKKKKKPPK..",
    "..KPPPPDPPPPPPPPKYYAAYYAAYYAKPPPPPPPPKOKPPK..",
    ".KPPPPDPPPPPPPPPKAAYYAAYYAAYKPPPPPPPPKOKPPPK.",
    ".KPPPPPDPPPPPPPPKAAYYAAYYAAYKPPPPPPPPKOKPPPK.",
    "KPPPPPDPPPPPPPPPKYYAAYYAAYYAKPPPPPPPPKOKPPPPK",
    "KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKOKKKKKK",
    "KOOOOOOOOOOOOOOOOOOOKYYYKOOOOOOOOOOOOKOKOOOOK",
    "KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKOKKKKKK",
    "KPPPPPDPPPPPPPPPKYYAAYYAAYYAKPPPPPPPPKOKPPPPK",
    "KPPPPPPDPPPPPPPPKYYAAYYAAYYAKPPPPPPPPKOKPPPPK",
    "KPPPPPDPPPPPPPPPKAAYYAAYYAAYKPPPPPPPPKOKPPPPK",
    "KPPPPPPDPPPPPPPPKAAYYAAYYAAYKPPPPPPPPKOKPPPPK",
};

constexpr std::string_view kQueen[] = {
    ".............................................",
    "...................K..K..K...................",
    "..................KYKKYKKYK..................",
    "..................KYYYAYYYK..................",
    ".................KYAYYYYYAYK.................",
    "................KKOOOOOOOOOKK.......KKKK.....",
    "...............KYYKKKKKKKKKYYK.....KRMRRK....",
    "...............KYKWWWWWWWWWKYK....KRRMMRRK...",
    "..............KYYKWKKWWWKKWKYYK...KRMRRMRK...",
    "..............KYOKWWWWWWWWWKOYK....KRRMRK....",
    "..............KYYKWKKWWWKKWKYYK.....KKKK.....",
    "..............KYOKWWWWWWWWWKOYK.....LK.......",
    "..............KYYKWWWWKWWWWKYYK......L..KK...",
    "..............KYOKWWWKKWWWWKOYK......L.KLLK..",
    "..............KYYKWWWWWWWWWKYYK......LKLLK...",
    "..............KYOKWWWRRRWWWKOYK......L.KK....",
    "..............KYYYKWWWWWWWKYYYK......L.......",
    "..............KYOYYKWWWWWKYYOYK......L.......",
    ".............KYKYOYKKKKKKKYOYKKYYK...L.......",
    "............KYOYYK..KWWWK....KYYOYK..L.......",
    "............KYYOYYK.KWWWK...KYYOYYK..L.......",
    "...........KYOYYOYKKYAYAYK..KYOYYOYK.L.......",
    "...........KYYOYYYK.KYAYK...KYYYOYYKKLKK.....",
    "........KPPPKYYOYYKYYYYYYYYKKYYOYYKWWWWWK....",
    "......KPPPPPPKKYOKWWWWWWWWWKPKOYKKKKKKWWK....",
    ".....KPPPPPPPPPKKKWWWWWWWWWKPPKKPPKWWWWWK....",
    "....KPPPPPPPPPPPPKWWWWWWWWWKPPPPPPPKKKKKK....",
    "...KPPPPPPPPPPPPPKKKKKKKKKKKPPPPPPPPPLPPPK...",
    "...KPPPDPPPPPPPPPKOYOKAKOYOKPPPPPPPPPDPPPK...",
    "..KPPPPPDPPPPPPPPKYOYOYOYOYKPPPPPPPPDPPPPPK..",
    "..KPPPPDPPPPAPPPPKOYOYOYOYOKPAPPPPPPPDPPPPK..",
    ".KPPPPPPDPPPPPPPPKYOYKAKYOYKPPPPPPPPDPPPPPPK.",
    ".KPPPPPDPPPPPPPPPKOYOYOYOYOKPPPPPPPPPDPPPPPK.",
    "KPPPPPPPDPPPPPPPPKYOYOYOYOYKPPPPPPPPDPPPPPPPK",
    "KPPPPPPDPPPPPPPPPKOYOKAKOYOKPPPPPPPPPDPPPPPPK",
    "KPPPPPPPDPPPPPAPPKYOYOYOYOYKPPPAPPPPDPPPPPPPK",
    "KPPPPPPDPPPPPPPPPKOYOYOYOYOKPPPPPPPPPDPPPPPPK",
    "KPPPPPPPDPPPPPPPPKYOYKAKYOYKPPPPPPPPDPPPPPPPK",
    "KPPPPPPDPPAPPPPPPKOYOYOYOYOKPPPPPPAPPDPPPPPPK",
    "KPPPPPPPDPPPPPPPPKYOYOYOYOYKPPPPPPPPDPPPPPPPK",
};

constexpr std::string_view kKing[] = {
    ".............................................",
    "..............K.......K.......K..............",
    "..............KK.....KYK.....KK.......KK.....",
    "..............KYK.K..KYK..K.KYK......KWSK....",
    "..............KYKKYK.KYK.KYKKYK......KWSK....",
    "..............KYYYYYKYYYKYYYYYK......KWSK....",
    "..............KYYAYYYYAYYYYAYYK......KWSK....",
    "..............KOOOOOOOOOOOOOOOK......KWSK....",
    "..............KYAYYAYYAYYAYYAYK......KWSK....",
    "..............KKKKKKKKKKKKKKKKK......KWSK....",
    "..............KSKWWWWWWWWWWWKSK......KWSK....",
    "..............KSKWWWWWWWWWWWKSK......KWSK....",
    "..............KSKWKKKWWWKKKWKSK......KWSK....",
    "..............KSKWWKWWWWWKWWKSK......KWSK....",
    "..............KSKWWWWWKWWWWWKSK......KWSK....",
    "..............KSKWWWWKKWWWWWKSK......KWSK....",
    "..............KSKWWSSSSSSSWWKSK......KWSK....",
    "..............KSSSSSSKKKSSSSSSK......KWSK....",
    "...............KSSSSSSSSSSSSSK.......KWSK....",
    "...........KKKKKSSGSSSSSSSGSSKKKKK...KWSK....",
    ".........KKWWWWWKSSSGSSSGSSSKWWWWWKK.KWSK....",
    "........KWWKWWWWWKSSSSGSSSSKWWWWWKKKKKKKKKKK.",
    ".......KWKWWWWWKWWKSSGSGSSKWWKWWWWKYYYYYYYYK.",
    ".......KWWWWKWWWWWWKSSSSSKWWWWWWKWKKKKKKKKKK.",
    "......KKKKKKKKKKKKKKKSGSKKKKKKKKKKKKKKKKK....",
    ".....KPPPPPPPPPPPPKYYKSKYOYYPPPPPPPKWWWWWK...",
    "....KPPPPPPPPPPPPPKYOAKYOAOYPPPPPPPKKKKWWK...",
    "...KPPDPPPPPPPPPPPKYYOYYYOYYPPPPPPPKWWWWWK...",
    "...KPDPPPPPPPPPPPPKYOAOYOAOYPPPPPPPPKKKKKK...",
    "..KPPPDPPPAPPPPPPPKYYOYYYOYYPPPPPPPPAKOOKPK..",
    "..KPPDPPPPPPPPPPPPKYOAOYOAOYPPPPPPPPPKYYKPK..",
    ".KPPPPDPPPPPPPPPPPKYYOYYYOYYPPPPPPPPPPKKPPPK.",
    ".KPPPDPPPPPPPPPPPPKYOAOYOAOYPPPPPPPPPPPDPPPK.",
    "KPPPPPDPPPPPPPPPPPKYYOYYYOYYPPPPPPAPPPDPPPPPK",
    "KPPPPDPPPPPPPAPPPPKYOAOYOAOYPPPPPPPPPPPDPPPPK",
    "KPPPPPDPPPPPPPPPPPKYYOYYYOYYPPPPPPPPPPDPPPPPK",
    "KPPPPDPPPPPPPPPPPPKYOAOYOAOYPPPPPPPPPPPDPPPPK",
    "KPPPPPDPPAPPPPPPPPKYYOYYYOYYPPPAPPPPPPDPPPPPK",
    "KPPPPDPPPPPPPPPPPPKYOAOYOAOYPPPPPPPPPPPDPPPPK",
    "KPPPPPDPPPPPPPPPPPKYYOYYYOYYPPPPPPPPPPDPPPPPK",
};
// clang-format on

ColourKey KeyFor(Suit suit) {
    const bool red = IsRed(suit);
    return {
        {'K', colour::kBlack},
        {'W', colour::kWhite},
        {'Y', colour::kYellow},
        {'O', colour::kOlive},
        {'S', colour::kSilver},
        {'G', colour::kGray},
        {'M', colour::kMaroon},
        {'R', colour::kRed},
        {'L', colour::kGreen},
        {'P', red ? colour::kRed : colour::kBlue},
        {'D', red ? colour::kMaroon : colour::kNavy},
        {'A', red ? colour::kBlue : colour::kRed},
    };
}

}  // namespace

QImage HalfFigure(int rank, Suit suit) {
    const ArtRows art = rank == 11 ? ArtRows(kJack) : rank == 12 ? ArtRows(kQueen) : ArtRows(kKing);
    return ArtImage(art, KeyFor(suit), colour::kWhite, QImage::Format_RGB32);
}

}  // namespace artgen
