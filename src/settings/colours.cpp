#include "game/sol_view.h"

namespace {
constexpr int kTints = 4;  // none and tint bitmaps 201..203
constexpr int kDefaultRed = 0;
constexpr int kDefaultGreen = 0;
constexpr int kDefaultBlue = 128;
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

    Profile& profile = m_platform.profile;
    profile.WriteProfileInt("Color", "m_Red", m_Red);
    profile.WriteProfileInt("Color", "m_Green", m_Green);
    profile.WriteProfileInt("Color", "m_Blue", m_Blue);
}

void CSolView::OnDefaultColor() {
    m_nCardColor = 0;
    m_crBackground = MakeColorRef(kDefaultRed, kDefaultGreen, kDefaultBlue);
    OnPaint();

    Profile& profile = m_platform.profile;
    profile.WriteProfileInt("Color", "m_Red", kDefaultRed);
    profile.WriteProfileInt("Color", "m_Green", kDefaultGreen);
    profile.WriteProfileInt("Color", "m_Blue", kDefaultBlue);
}
