#include "game/profile_keys.h"
#include "game/sol_view.h"

namespace {
constexpr int kTints = 4;  // none and tint bitmaps 201..203

void WriteTableColour(Profile& profile, int red, int green, int blue) {
    profile.Update([=](ProfileKeys& keys) {
        keys::Write(keys, keys::kRed, red);
        keys::Write(keys, keys::kGreen, green);
        keys::Write(keys, keys::kBlue, blue);
    });
}
}  // namespace

void CSolView::OnCardColor() {
    if (m_bPlaying == 0) {
        return;
    }
    m_nCardColor = (m_nCardColor + 1) % kTints;
    OnPaint();
}

void CSolView::OnBackgroundColor() {
    ColorRef chosen;
    if (!m_platform.window.ChooseColor(MakeColorRef(0, 0, 0), chosen)) {
        return;
    }
    m_crBackground = chosen;
    m_Red = chosen.red;
    m_Green = chosen.green;
    m_Blue = chosen.blue;
    OnPaint();

    WriteTableColour(m_platform.profile, m_Red, m_Green, m_Blue);
}

void CSolView::OnDefaultColor() {
    m_nCardColor = 0;
    m_crBackground = MakeColorRef(keys::kRed.fallback, keys::kGreen.fallback, keys::kBlue.fallback);
    OnPaint();

    WriteTableColour(m_platform.profile, keys::kRed.fallback, keys::kGreen.fallback,
                     keys::kBlue.fallback);
}
