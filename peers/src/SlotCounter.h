// SlotCounter: where an element of an append-only list stands now, after
// removals. Internal to the stand-in modules.
//
// Every appended element gets the next slot number; a removed one is marked
// dead. before(slot) counts the live slots in front of it, which is the
// element's current position in its list. A Fenwick tree: push, kill and
// before cost O(log n); memory one int per slot ever pushed (until clear).
#pragma once

#include <vector>

namespace hxpeers {

class SlotCounter {
public:
    // Adds a live slot at the end and returns its number.
    int push() {
        const int i = static_cast<int>(m_tree.size()); // 1-based index of the new slot
        m_tree.push_back(1 + prefix(i - 1) - prefix(i - (i & -i)));
        return i - 1;
    }
    // Marks a live slot dead (the caller never kills a slot twice).
    void kill(int slot) {
        for (int i = slot + 1; i < static_cast<int>(m_tree.size()); i += i & -i)
            --m_tree[static_cast<size_t>(i)];
    }
    // Live slots in front of `slot`.
    int before(int slot) const { return prefix(slot); }
    void clear() { m_tree.assign(1, 0); }

private:
    // Sum of the live flags of the first j slots.
    int prefix(int j) const {
        int sum = 0;
        for (int i = j; i > 0; i -= i & -i)
            sum += m_tree[static_cast<size_t>(i)];
        return sum;
    }

    std::vector<int> m_tree = std::vector<int>(1, 0); // m_tree[0] unused
};

} // namespace hxpeers
