// HxWtIdFilter: a set of object ids that answers "certainly not a member" or
// "maybe a member" from a bitmap that stays small enough for the cache; the
// graph's lookups ask it before they probe their map. Module-internal.
//
// Ids are compared by identity (their stub's address). When the members'
// addresses lie close together (a span of at most 128 addressable units per
// member, the unit being the largest power of two up to 8 that divides every
// member's address) the bitmap has one bit per unit of that span: two members
// never share a bit, and an id shares one with a member only when its address
// is not a multiple of the unit, so the answer is exact for the ids of a
// database. Otherwise the bitmap has eight bits or more per member, chosen by
// a hash of the address, and some non-members answer "maybe". A member never
// answers "certainly not".
//
// Cost: Build reads the members twice, O(n); MayHold reads one bit. Memory:
// at most 16 bytes per member, usually one or two.
#pragma once

#include "dbid.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

class HxWtIdFilter {
public:
    // Makes the filter hold exactly the ids that each(visit) passes to visit.
    template <class Each> void Build(std::size_t members, Each each) {
        std::uintptr_t lo = std::numeric_limits<std::uintptr_t>::max(), hi = 0, bits = 0;
        std::size_t n = 0;
        each([&](AcDbObjectId id) {
            const std::uintptr_t a = Address(id);
            lo = a < lo ? a : lo;
            hi = a > hi ? a : hi;
            bits |= a;
            ++n;
        });
        m_shift = 0;
        while (m_shift < 3 && (bits >> m_shift & 1) == 0)
            ++m_shift;
        m_ranged = n > 0 && ((hi - lo) >> m_shift) < 128 * static_cast<std::uintptr_t>(n);
        m_base = m_ranged ? lo : 0;
        std::size_t size = m_ranged ? ((hi - lo) >> m_shift) + 1 : 512;
        while (!m_ranged && size < 8 * members)
            size *= 2;
        if (!m_ranged) {
            m_shift = 64;
            for (std::size_t s = size; s > 1; s /= 2)
                --m_shift; // 64 - log2(size): the hash's top bits
        }
        m_size = size;
        m_bits.assign((size + 63) / 64, 0);
        each([&](AcDbObjectId id) {
            const std::size_t bit = Bit(Address(id));
            m_bits[bit / 64] |= 1ull << (bit % 64);
        });
    }

    // False only when id is certainly not a member (always false when empty).
    bool MayHold(AcDbObjectId id) const {
        const std::uintptr_t a = Address(id);
        if (m_ranged && (a < m_base || ((a - m_base) >> m_shift) >= m_size))
            return false;
        if (m_bits.empty())
            return false;
        const std::size_t bit = Bit(a);
        return (m_bits[bit / 64] >> (bit % 64) & 1) != 0;
    }

    void Clear() {
        m_bits.clear();
        m_size = 0;
        m_ranged = false;
    }

private:
    static std::uintptr_t Address(AcDbObjectId id) {
        return reinterpret_cast<std::uintptr_t>(id.stub());
    }
    // The bit of an address: its unit in the span, or the hash's top bits.
    std::size_t Bit(std::uintptr_t a) const {
        if (m_ranged)
            return static_cast<std::size_t>((a - m_base) >> m_shift);
        const unsigned long long h = static_cast<unsigned long long>(a) * 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(h >> m_shift);
    }

    std::vector<unsigned long long> m_bits;
    std::size_t m_size = 0;    // bits in use
    bool m_ranged = false;     // one bit per unit of the members' span
    std::uintptr_t m_base = 0; // the lowest member's address (ranged)
    unsigned m_shift = 0;      // log2 of the unit (ranged); 64 - log2(size) (hashed)
};
