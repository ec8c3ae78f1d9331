#pragma once

#include <optional>

struct _XDisplay;

enum class LockKey { Caps, Num, Scroll };

// The keyboard's lock-key lights as the X server reports them. Elsewhere (no
// X server, as on Wayland or offscreen) the state cannot be read.
class LockKeyState {
  public:
    LockKeyState();

    bool Readable() const { return m_display != nullptr; }
    // Whether `key` is on; nothing when the state cannot be read.
    std::optional<bool> IsOn(LockKey key) const;

  private:
    _XDisplay* m_display = nullptr;
    unsigned long m_indicatorAtoms[3] = {};
};
