#include "plain_card.h"

#include <cmath>

#include "card_frame.h"
#include "pip_layout.h"

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

void PaintAce(QImage& card, Suit suit, QRgb ink) {
    const QSize size = AceSize(suit);
    SuitSign(suit, size.width(), size.height())
        .PaintOnto(card, (kCardWidth - size.width()) / 2, (kCardHeight - size.height()) / 2, ink);
}

void PaintPips(QImage& card, int rank, Suit suit, QRgb ink) {
    const QSize size = PipSize(suit);
    const Mask pip = SuitSign(suit, size.width(), size.height());
    for (const PipPlace& place : PipPlaces(rank)) {
        const int x = PipLeft(place.column, size.width());
        const int y = PipTop(place.down, size.height());
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
