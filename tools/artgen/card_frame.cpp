#include "card_frame.h"

#include <iterator>

#include "palette.h"
#include "rank_glyphs.h"

namespace artgen {
namespace {

// How many border-coloured pixels start each of the first rows of the top left corner;
// the other three corners are its mirror images.
constexpr int kCornerRun[] = {kCardWidth, 3, 2};

// The corner index is centred across the first 13 columns; the rank starts on row 2, the
// suit sign on row 10 and ends on row 16.
constexpr int kIndexColumns = 13;
constexpr int kRankTop = 2;
constexpr int kSuitTop = kRankTop + kRankGlyphHeight + 1;

void SetMirrored(QImage& card, int x, int y, QRgb colour) {
    const int right = kCardWidth - 1 - x;
    const int bottom = kCardHeight - 1 - y;
    card.setPixel(x, y, colour);
    card.setPixel(right, y, colour);
    card.setPixel(x, bottom, colour);
    card.setPixel(right, bottom, colour);
}

}  // namespace

QImage BlankCard(QRgb border) {
    QImage card(kCardWidth, kCardHeight, QImage::Format_RGB32);
    card.fill(colour::kWhite);
    for (int y = 0; y < kCardHeight; ++y) {
        SetMirrored(card, 0, y, border);
    }
    for (int row = 0; row < static_cast<int>(std::size(kCornerRun)); ++row) {
        for (int x = 0; x < kCornerRun[row]; ++x) {
            SetMirrored(card, x, row, border);
        }
    }
    return card;
}

void PaintBothWays(QImage& card, const Mask& mask, int x, int y, QRgb ink) {
    mask.PaintOnto(card, x, y, ink);
    mask.Rotated180().PaintOnto(card, card.width() - x - mask.Width(),
                                card.height() - y - mask.Height(), ink);
}

void PaintCornerIndex(QImage& card, int rank, Suit suit, QRgb ink, int factor) {
    // The pixel letters keep their exact strokes, each pixel a block; the sign is drawn
    // at the image's density.
    const Mask glyph = RankGlyph(rank);
    const Mask sign = SmallSuitSign(suit, factor);
    PaintBothWays(card, glyph.Enlarged(factor), (kIndexColumns - glyph.Width()) / 2 * factor,
                  kRankTop * factor, ink);
    PaintBothWays(card, sign, (kIndexColumns - sign.Width() / factor) / 2 * factor,
                  kSuitTop * factor, ink);
}

}  // namespace artgen
