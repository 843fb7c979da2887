// The product's base module HxAecBase: basic value classes.
#pragma once

#include "windows.h"

#ifndef HXAECBASE_API
#define HXAECBASE_API __declspec(dllimport)
#endif

// A small value with a 32-bit flag word. Base of the graph's nodes and edges,
// and the result of the geometry hit tests (bit 0 set: hit).
class HXAECBASE_API HxBitData {
public:
    HxBitData() = default;
    explicit HxBitData(unsigned int flags) : m_flags(flags) {}
    HxBitData(const HxBitData&) = default;
    HxBitData& operator=(const HxBitData&) = default;
    virtual ~HxBitData();

    unsigned int GetData() const { return m_flags; }
    void SetData(unsigned int flags) { m_flags = flags; }
    // Sets the bits of mask.
    void AddBit(unsigned int mask) { m_flags |= mask; }
    void RemoveBit(unsigned int mask) { m_flags &= ~mask; }
    // True when bit `index` (0..31) is set.
    bool GetBit(int index) const {
        return index >= 0 && index < 32 && ((m_flags >> index) & 1u) != 0;
    }

private:
    unsigned int m_flags = 0;
};
