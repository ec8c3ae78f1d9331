#include "court_card.h"

#include <QPainter>

#include "card_frame.h"
#include "court_figures.h"
#include "upscale.h"

namespace artgen {
namespace {

// The frame around the figure; the corner indices stay outside it.
constexpr int kPanelLeft = 12;
constexpr int kPanelTop = 7;
constexpr int kPanelRight = kCardWidth - 1 - kPanelLeft;
constexpr int kPanelBottom = kCardHeight - 1 - kPanelTop;

// Where the suit sign sits in the free corner beside the figure's head: card rows 9 to
// 17, so that a covered card in a column still shows the whole sign.
constexpr int kSignLeft = 2;
constexpr int kSignTop = 1;
constexpr int kSignWidth = 9;
constexpr int kSignHeight = 9;

void PaintPanelFrame(QImage& card, QRgb colour) {
    for (int x = kPanelLeft; x <= kPanelRight; ++x) {
        card.setPixel(x, kPanelTop, colour);
        card.setPixel(x, kPanelBottom, colour);
    }
    for (int y = kPanelTop; y <= kPanelBottom; ++y) {
        card.setPixel(kPanelLeft, y, colour);
        card.setPixel(kPanelRight, y, colour);
    }
}

}  // namespace

QImage CourtCard(int rank, Suit suit, int factor) {
    const QRgb ink = InkOf(suit);
    QImage card = BlankCard(ink);
    PaintPanelFrame(card, ink);

    QImage half = HalfFigure(rank, suit);
    SuitSign(suit, kSignWidth, kSignHeight).PaintOnto(half, kSignLeft, kSignTop, ink);
    QPainter painter(&card);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(kPanelLeft + 1, kPanelTop + 1, half);
    painter.drawImage(kPanelRight - kHalfFigureWidth, kPanelBottom - kHalfFigureHeight,
                      half.mirrored(true, true));
    painter.end();
    // The figures are pixel art: each pixel grows into a block with finer diagonals.
    card = Upscaled(card, factor);
    PaintCornerIndex(card, rank, suit, ink, factor);
    return card;
}

}  // namespace artgen
