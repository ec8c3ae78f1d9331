#include "solver/seen_set.h"

namespace solver {

namespace {
constexpr std::size_t kFirstSize = 1 << 12;
// 0 marks a free slot, so a key of 0 is stored as 1.
constexpr std::uint64_t Stored(std::uint64_t key) {
    return key == 0 ? 1 : key;
}
}  // namespace

SeenSet::SeenSet(std::size_t maxKeys) : m_slots(kFirstSize), m_maxKeys(maxKeys) {}

bool SeenSet::Insert(std::uint64_t key) {
    key = Stored(key);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = key & mask;; i = (i + 1) & mask) {
        if (m_slots[i] == key) {
            return false;
        }
        if (m_slots[i] == 0) {
            m_slots[i] = key;
            if (++m_count * 4 > m_slots.size() * 3) {
                Grow();
            }
            return true;
        }
    }
}

void SeenSet::Grow() {
    std::vector<std::uint64_t> old(m_slots.size() * 2);
    old.swap(m_slots);
    const std::size_t mask = m_slots.size() - 1;
    for (const std::uint64_t key : old) {
        if (key == 0) {
            continue;
        }
        std::size_t i = key & mask;
        while (m_slots[i] != 0) {
            i = (i + 1) & mask;
        }
        m_slots[i] = key;
    }
}

}  // namespace solver
