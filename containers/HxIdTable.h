//===- HxIdTable.h - Flat hash table from object ids to ints ----*- C++ -*-===//
//
// HxIdTable maps object ids to non-negative ints (positions, slots, ranks) in
// one flat array with linear probing, so a lookup touches one or two cache
// lines and an insertion allocates nothing until the table grows. Ids are
// compared by identity; they are never opened. The null id is a key like any
// other. Entries are never removed one by one: a caller that retires a key
// sets another value for it (Set overwrites) or clears the whole table.
//
// Cost: Get and Set O(1) on average (the load stays at or below one half);
// Reserve(n) makes room for n keys up front. Memory: 16 bytes per slot, two
// to four slots per key.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "dbid.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class HxIdTable {
public:
    // The value set for id, or -1 when it has none.
    int Get(const AcDbObjectId& id) const {
        if (id.isNull())
            return m_null;
        if (m_slots.empty())
            return -1;
        for (std::size_t at = Home(id.stub());; at = (at + 1) & m_mask) {
            const Slot& slot = m_slots[at];
            if (slot.key == id.stub())
                return slot.value;
            if (slot.key == nullptr)
                return -1;
        }
    }

    // Sets the value of id (a negative value reads back as "none").
    void Set(const AcDbObjectId& id, int value) {
        if (id.isNull()) {
            m_null = value;
            return;
        }
        if (2 * (m_count + 1) > m_slots.size())
            Grow(m_count + 1);
        if (Place(id.stub(), value))
            ++m_count;
    }

    // Sets the value of id only when it has none (Get would answer -1), in
    // one probe sequence; true when it was set. value must not be negative.
    bool SetIfNone(const AcDbObjectId& id, int value) {
        if (id.isNull()) {
            if (m_null >= 0)
                return false;
            m_null = value;
            return true;
        }
        if (2 * (m_count + 1) > m_slots.size())
            Grow(m_count + 1);
        for (std::size_t at = Home(id.stub());; at = (at + 1) & m_mask) {
            Slot& slot = m_slots[at];
            if (slot.key == id.stub()) {
                if (slot.value >= 0)
                    return false;
                slot.value = value;
                return true;
            }
            if (slot.key == nullptr) {
                slot = Slot{id.stub(), value};
                ++m_count;
                return true;
            }
        }
    }

    // Hints that id is about to be looked up or set: starts loading its home
    // slot into the cache. Worth it ahead of a run of operations on keys
    // known in advance, in a table too large for the cache; changes nothing.
    void Prefetch(const AcDbObjectId& id) const {
        if (!m_slots.empty())
            __builtin_prefetch(&m_slots[Home(id.stub())], 1);
    }

    // Makes room for n keys in all.
    void Reserve(std::size_t n) {
        if (2 * n > m_slots.size())
            Grow(n);
    }

    // Empties the table; its block stays for the next fill.
    void Clear() {
        m_slots.clear();
        m_mask = 0;
        m_count = 0;
        m_null = -1;
    }

private:
    struct Slot {
        const AcDbStub* key = nullptr;
        int value = -1;
    };

    std::size_t Home(const AcDbStub* key) const {
        const std::uint64_t h = reinterpret_cast<std::uintptr_t>(key) * 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(h ^ (h >> 32)) & m_mask;
    }

    // True when the key was new.
    bool Place(const AcDbStub* key, int value) {
        for (std::size_t at = Home(key);; at = (at + 1) & m_mask) {
            Slot& slot = m_slots[at];
            if (slot.key == key) {
                slot.value = value;
                return false;
            }
            if (slot.key == nullptr) {
                slot = Slot{key, value};
                return true;
            }
        }
    }

    void Grow(std::size_t keys) {
        std::size_t size = 16;
        while (size < 2 * keys)
            size *= 2;
        m_mask = size - 1;
        if (m_count == 0) { // nothing to move: the block is refilled in place
            m_slots.assign(size, Slot());
            return;
        }
        std::vector<Slot> old;
        old.swap(m_slots);
        m_slots.assign(size, Slot());
        for (const Slot& slot : old) {
            if (slot.key != nullptr)
                Place(slot.key, slot.value);
        }
    }

    std::vector<Slot> m_slots;
    std::size_t m_mask = 0;
    std::size_t m_count = 0;
    int m_null = -1;
};
