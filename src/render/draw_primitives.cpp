#include "game/sol_view.h"

namespace {
constexpr int kFirstTintBitmap = 200;
constexpr int kKingLookingLeft = 1000;
constexpr ColorRef kBlack = MakeColorRef(0, 0, 0);

// Frame lines of the two blocks of cells, each from its first point up to
// (excluding) its last.
struct Segment {
    int x0, y0, x1, y1;
};
constexpr Segment kCellFrames[] = {
    // reserve block and its dividers
    {0, 0, 0, 95},
    {0, 95, 280, 95},
    {280, 95, 280, 0},
    {280, 0, 0, 0},
    {70, 0, 70, 95},
    {140, 0, 140, 95},
    {210, 0, 210, 95},
    // home block and its dividers
    {340, 0, 340, 95},
    {340, 95, 620, 95},
    {620, 95, 620, 0},
    {620, 0, 340, 0},
    {410, 0, 410, 95},
    {480, 0, 480, 95},
    {550, 0, 550, 95},
};
constexpr Segment kKingFrame[] = {
    {294, 34, 294, 68},
    {294, 68, 328, 68},
    {328, 68, 328, 34},
    {328, 34, 294, 34},
};
}  // namespace

void CSolView::DrawCardFace(const Card& card, int x, int y, int cx, int cy) {
    const int code = CardCode(card);
    m_nCardCode = code;
    DrawCard(code, x, y, cx, cy, false);
}

void CSolView::DrawCard(int nBitmap, int x, int y, int cx, int cy, bool bInvert) {
    Surface& surface = m_platform.surface;
    const int bitmapId = nBitmap & 0xFFFF;
    if (bInvert) {
        // Callers pass 75 x 95, so exactly one 71 x 96 card is inverted.
        surface.BitBlt(x, y, cx - 4, cy + 1, bitmapId, RasterOp::DestInvert);
        return;
    }
    surface.BitBlt(x, y, cx, cy, bitmapId, RasterOp::Copy);
    if (m_nCardColor >= 1) {
        surface.BitBlt(x, y, cx, cy, kFirstTintBitmap + m_nCardColor, RasterOp::MergePaint);
    }
}

void CSolView::EraseRect(int left, int right, int top, int bottom) {
    m_platform.surface.FillRect(Rect{left, top, right, bottom}, m_crBackground);
}

void CSolView::DrawCellFrames() {
    // Drawn in the inverse of the table colour, so they show on any table.
    for (const Segment& s : kCellFrames) {
        m_platform.surface.Line(s.x0, s.y0, s.x1, s.y1, m_crBackground, PenMode::NotCopy);
    }
}

void CSolView::DrawKingBox() {
    if (m_Show == 1) {
        DrawClock();
    }
    for (const Segment& s : kKingFrame) {
        m_platform.surface.Line(s.x0, s.y0, s.x1, s.y1, kBlack, PenMode::Copy);
    }
    DrawCard((m_bPointerRight + 1) * kKingLookingLeft, table::kKingBoxLeft, table::kKingBoxTop,
             table::kKingBoxRight - table::kKingBoxLeft, table::kKingBoxBottom - table::kKingBoxTop,
             false);
}
