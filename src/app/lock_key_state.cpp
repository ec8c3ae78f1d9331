#include "app/lock_key_state.h"

#include <QGuiApplication>

// X11 last: its macros would clash with Qt names.
#include <X11/XKBlib.h>

namespace {
constexpr const char* kIndicatorNames[] = {"Caps Lock", "Num Lock", "Scroll Lock"};
}

LockKeyState::LockKeyState() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    m_display = x11 ? x11->display() : nullptr;
    if (!m_display) {
        return;
    }
    for (int i = 0; i < 3; ++i) {
        m_indicatorAtoms[i] = XInternAtom(m_display, kIndicatorNames[i], True);
    }
}

std::optional<bool> LockKeyState::IsOn(LockKey key) const {
    const Atom indicator = m_indicatorAtoms[static_cast<int>(key)];
    if (!m_display || indicator == None) {
        return std::nullopt;
    }
    Bool on = False;
    if (!XkbGetNamedIndicator(m_display, indicator, nullptr, &on, nullptr, nullptr)) {
        return std::nullopt;
    }
    return on == True;
}
