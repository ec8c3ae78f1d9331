#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "solver/position.h"

namespace solver {

// How a key is kept: a mixed 64-bit number, or a table written out whole.
template <class Key>
struct KeyTraits;

template <>
struct KeyTraits<std::uint64_t> {
    // 0 marks a free slot, so a key of 0 is kept as 1.
    static std::uint64_t Stored(std::uint64_t key) { return key == 0 ? 1 : key; }
    static bool Free(std::uint64_t slot) { return slot == 0; }
    static std::uint64_t Hash(std::uint64_t key) { return key; }
};

template <>
struct KeyTraits<ExactTable> {
    static const ExactTable& Stored(const ExactTable& key) { return key; }
    static bool Free(const ExactTable& slot) { return slot[0] == 0; }
    static std::uint64_t Hash(const ExactTable& key) {
        std::uint64_t hash = 0;
        for (std::size_t at = 0; at < key.size(); at += 8) {
            std::uint64_t word;
            std::memcpy(&word, key.data() + at, 8);
            hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
            hash ^= hash >> 29;
        }
        return hash;
    }
};

// The keys of the tables met so far, in one open-addressed table that
// doubles once three quarters are in use.
template <class Key>
class SeenSet {
  public:
    using Traits = KeyTraits<Key>;

    // False when the key was there already.
    bool Insert(const Key& key) {
        const Key stored = Traits::Stored(key);
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t i = Traits::Hash(stored) & mask;; i = (i + 1) & mask) {
            if (Traits::Free(m_slots[i])) {
                m_slots[i] = stored;
                if (++m_count * 4 > m_slots.size() * 3) {
                    Grow();
                }
                return true;
            }
            if (m_slots[i] == stored) {
                return false;
            }
        }
    }

    std::size_t Size() const { return m_count; }
    // What the slots take now, and what they will take while they double.
    std::size_t Bytes() const { return m_slots.size() * sizeof(Key); }
    std::size_t GrowingBytes() const { return 3 * Bytes(); }

  private:
    void Grow() {
        std::vector<Key> old(m_slots.size() * 2);
        old.swap(m_slots);
        const std::size_t mask = m_slots.size() - 1;
        for (const Key& key : old) {
            if (Traits::Free(key)) {
                continue;
            }
            std::size_t i = Traits::Hash(key) & mask;
            while (!Traits::Free(m_slots[i])) {
                i = (i + 1) & mask;
            }
            m_slots[i] = key;
        }
    }

    std::vector<Key> m_slots = std::vector<Key>(std::size_t{1} << 10);
    std::size_t m_count = 0;
};

}  // namespace solver
