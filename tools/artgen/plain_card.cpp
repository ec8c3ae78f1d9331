#include "plain_card.h"

#include <cmath>

#include "card_frame.h"
#include "pip_layout.h"

namespace artgen {
namespace {

constexpr int kPipWidth = 11;
constexpr int kPipHeight = 12;
constexpr int kColumnOffset = 15;  // from the middle of the card to a side column
constexpr int kTopPipRow = 9;

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

// The one large sign of an Ace; the spade is the grandest, as is the custom.
void PaintAce(QImage& card, Suit suit, QRgb ink) {
    const int width = suit == Suit::Spades ? 35 : 29;
    const int height = suit == Suit::Spades ? 39 : 31;
    SuitSign(suit, width, height)
        .PaintOnto(card, (kCardWidth - width) / 2, (kCardHeight - height) / 2, ink);
}

void PaintPips(QImage& card, int rank, Suit suit, QRgb ink) {
    const Mask pip = SuitSign(suit, kPipWidth, kPipHeight);
    for (const PipPlace& place : PipPlaces(rank)) {
        const int x = PipLeft(place.column, kPipWidth);
        const int y = PipTop(place.down, kPipHeight);
        if (place.paired) {
            PaintBothWays(card, pip, x, y, ink);
        } else {
            pip.PaintOnto(card, x, y, ink);
        }
    }
}

}  // namespace

QImage PlainCard(int rank, Suit suit) {
    const QRgb ink = InkOf(suit);
    QImage card = BlankCard(ink);
    PaintCornerIndex(card, rank, suit, ink);
    if (rank == 1) {
        PaintAce(card, suit, ink);
    } else {
        PaintPips(card, rank, suit, ink);
    }
    return card;
}

}  // namespace artgen
