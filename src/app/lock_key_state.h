#pragma once

#include <filesystem>
#include <optional>

enum class LockKey { Caps, Num, Scroll };

// The keyboard's lock-key lights as the kernel shows them, one folder per
// light ("input3::capslock/brightness"), so the state reads the same under
// any display server. A machine without such lights (a virtual one, say)
// cannot tell the state.
class LockKeyState {
  public:
    explicit LockKeyState(std::filesystem::path lights = "/sys/class/leds");

    // Whether `key` is on, that is lit on any keyboard; nothing when no
    // keyboard shows that light.
    std::optional<bool> IsOn(LockKey key) const;

  private:
    std::filesystem::path m_lights;
};
