#pragma once

#include <QColor>

namespace artgen {

// The standard colours, the only ones the card faces, the king icon and the toolbar use,
// and the fully transparent ground of cursors and toolbar pictures.
namespace colour {
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kMaroon = 0xff800000;
constexpr QRgb kGreen = 0xff008000;
constexpr QRgb kOlive = 0xff808000;
constexpr QRgb kNavy = 0xff000080;
constexpr QRgb kTeal = 0xff008080;
constexpr QRgb kSilver = 0xffc0c0c0;
constexpr QRgb kGray = 0xff808080;
constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kLime = 0xff00ff00;
constexpr QRgb kYellow = 0xffffff00;
constexpr QRgb kBlue = 0xff0000ff;
constexpr QRgb kFuchsia = 0xffff00ff;
constexpr QRgb kAqua = 0xff00ffff;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kClear = 0x00000000;
}  // namespace colour

}  // namespace artgen
