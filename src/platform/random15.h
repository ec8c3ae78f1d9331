#pragma once

#include <cstdint>

// A seeded pseudo-random generator yielding 0..32767, the range game numbers
// are drawn from. Each value object has its own sequence.
class Random15 {
  public:
    explicit Random15(std::uint32_t seed) : m_state(seed) {}

    int Next() {
        m_state = m_state * 1103515245u + 12345u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }

  private:
    std::uint32_t m_state;
};
