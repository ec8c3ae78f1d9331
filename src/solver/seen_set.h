#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace solver {

// The keys of the positions met so far, in one open-addressed table that
// doubles as it fills, up to a fixed number of keys.
class SeenSet {
  public:
    explicit SeenSet(std::size_t maxKeys);

    // False when the key was there already.
    bool Insert(std::uint64_t key);
    // Whether the table is as full as it may grow.
    bool Full() const { return m_count >= m_maxKeys; }
    std::size_t Size() const { return m_count; }

  private:
    void Grow();

    std::vector<std::uint64_t> m_slots;
    std::size_t m_count = 0;
    std::size_t m_maxKeys;
};

}  // namespace solver
