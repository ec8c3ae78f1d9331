#include "plain_card.h"

#include <cmath>

#include "card_frame.h"
#include "pip_layout.h"
#include "upscale.h"

namespace artgen {
namespace {

constexpr int kColumnOffset = 15;  // from the middle of the card to a side column
// A covered card in a column shows its rows 0 to 17: the top row of pips stands whole
// inside that strip, beside the corner index, rather than cut through the middle.
constexpr int kTopPipRow = 5;

int PipLeft(PipColumn column, int width) {
    const int middle = kCardWidth / 2;
    const int centre = column == PipColumn::Left    ? middle - kColumnOffset
                       : column == PipColumn::Right ? middle + kColumnOffset
                                                    : middle;
    return centre - width / 2;
}

int PipTop(double down, int height) {
    const int lowestTop = kCardHeight - kTopPipRow - height;
    return kTopPipRow + static_cast<int>(std::lround(down * (lowestTop - kTopPipRow)));
}

// Odd widths keep every sign centred on a pixel column; diamonds are the slimmest.
QSize PipSize(Suit suit) {
    return suit == Suit::Diamonds ? QSize(9, 12) : QSize(11, 12);
}

// The one large sign of an Ace; the spade is the grandest, as is the custom.
QSize AceSize(Suit suit) {
    switch (suit) {
        case Suit::Spades:
            return {35, 39};
        case Suit::Diamonds:
            return {25, 31};
        default:
            return {29, 31};
    }
}

// The signs are placed on the card's own pixel grid and drawn at the image's density, so
// they keep their places and gain detail at every factor.
void PaintAce(QImage& card, Suit suit, QRgb ink, int factor) {
    const QSize size = AceSize(suit);
    SuitSign(suit, size.width() * factor, size.height() * factor)
        .PaintOnto(card, (kCardWidth - size.width()) / 2 * factor,
                   (kCardHeight - size.height()) / 2 * factor, ink);
}

void PaintPips(QImage& card, int rank, Suit suit, QRgb ink, int factor) {
    const QSize size = PipSize(suit);
    const Mask pip = SuitSign(suit, size.width() * factor, size.height() * factor);
    for (const PipPlace& place : PipPlaces(rank)) {
        const int x = PipLeft(place.column, size.width()) * factor;
        const int y = PipTop(place.down, size.height()) * factor;
        if (place.paired) {
            PaintBothWays(card, pip, x, y, ink);
        } else {
            pip.PaintOnto(card, x, y, ink);
        }
    }
}

}  // namespace

QImage PlainCard(int rank, Suit suit, int factor) {
    const QRgb ink = InkOf(suit);
    QImage card = Upscaled(BlankCard(ink), factor);
    PaintCornerIndex(card, rank, suit, ink, factor);
    if (rank == 1) {
        PaintAce(card, suit, ink, factor);
    } else {
        PaintPips(card, rank, suit, ink, factor);
    }
    return card;
}

}  // namespace artgen
