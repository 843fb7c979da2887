//===- HxDynArray.h - Growable contiguous array with a cursor ---*- C++ -*-===//
//
// HxDynArray<T> keeps its elements in one block of Capacity() elements that it
// owns (not what pointer elements point to). Positioning, Current() and the
// position handles are constant time and unchecked: positions outside
// 0 .. Count() - 1 are the caller's error (asserted in debug builds).
// InsertBefore and RemoveCurrent shift the later elements (linear time);
// growing past the capacity reallocates to the needed size plus the growth
// increment (100 for a new array, 10 for a copy) and copies every element.
// Sort is a stable rank sort making Count()^2 / 2 comparisons. Elements beyond
// Count() are kept in the block; every element that Extend or SetSize adds is
// value-initialised (T{}). Unlike the lists, Extend with n < Count() shrinks
// the array (without freeing), and the list-only operations do nothing.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "HxDynArrayBase.h"

#include <algorithm>
#include <cassert>
#include <numeric>
#include <utility>
#include <vector>

template <class T> class HxDynArray : public HxDynArrayBase<T> {
public:
    using typename HxDynArrayBase<T>::Compare;

    HxDynArray() = default;
    // Copies the elements; the copy grows by 10 and has no current element.
    HxDynArray(const HxDynArray& other) : m_growBy(kCopyGrowBy) { AssignFrom(other); }
    // Takes the block; `other` is left empty.
    HxDynArray(HxDynArray&& other) noexcept { Swap(other); }
    // Copies the elements (the growth increment stays); no current element.
    HxDynArray& operator=(const HxDynArray& other) {
        if (this != &other)
            AssignFrom(other);
        return *this;
    }
    HxDynArray& operator=(HxDynArray&& other) noexcept {
        if (this != &other) {
            HxDynArray taken(std::move(other));
            Swap(taken);
        }
        return *this;
    }
    ~HxDynArray() override { delete[] m_data; }

    // Count becomes max(n, 0): within the capacity simply so (shrinking too);
    // beyond it into a new block of n + growth increment elements.
    void Extend(int n) override {
        n = std::max(n, 0);
        if (n > m_capacity)
            Reallocate(n + m_growBy, this->m_count);
        std::fill(m_data + std::min(this->m_count, n), m_data + n, T{});
        this->m_count = n;
    }
    // n == Capacity(): Count() becomes n in the same block. Otherwise a block
    // of exactly max(n, 0) elements replaces the old one and Capacity() becomes
    // max(n, 0). `keep` true keeps the first elements; `keep` false leaves
    // every element value-initialised.
    void SetSize(int n, bool keep) override {
        n = std::max(n, 0);
        if (n != m_capacity)
            Reallocate(n, keep ? std::min(this->m_count, n) : 0);
        else if (!keep)
            this->m_count = 0;
        std::fill(m_data + std::min(this->m_count, n), m_data + n, T{});
        this->m_count = n;
    }
    // Count 0, no current element; the block stays.
    void RemoveAll() override {
        this->m_count = 0;
        this->m_cursorIndex = -1;
    }
    T& Current() override { return m_data[CheckedIndex(this->m_cursorIndex)]; }
    void GoTo(int i) override { this->m_cursorIndex = CheckedIndex(i); }
    T* FirstPos() override { return this->m_count > 0 ? m_data : nullptr; }
    T* NextPos(T* pos) override { return pos && pos != LastPos() ? pos + 1 : nullptr; }
    T* PrevPos(T* pos) override { return pos && pos != m_data ? pos - 1 : nullptr; }
    T* LastPos() override { return this->m_count > 0 ? m_data + this->m_count - 1 : nullptr; }
    T* PosAt(int i) override { return m_data + CheckedIndex(i); }
    // Requires a cursor index in 0 .. Count().
    void InsertBefore(const T& value) override {
        const int at = this->m_cursorIndex;
        assert(at >= 0 && at <= this->m_count);
        T copy = value; // `value` may live in the block that Extend replaces
        Extend(this->m_count + 1);
        std::move_backward(m_data + at, m_data + this->m_count - 1, m_data + this->m_count);
        m_data[at] = std::move(copy);
    }
    // Requires 0 <= i <= Count().
    void InsertAt(int i, const T& value) override {
        assert(i >= 0 && i <= this->m_count);
        this->m_cursorIndex = i;
        InsertBefore(value);
    }
    void RemoveCurrent() override {
        const int at = this->m_cursorIndex;
        if (at < 0 || at >= this->m_count)
            return;
        std::move(m_data + at + 1, m_data + this->m_count, m_data + at);
        --this->m_count;
        this->m_cursorIndex = at - 1;
    }
    // Rank sort: element i starts with rank i; each pair i < j out of order
    // raises the rank of i and lowers that of j; the elements then move to
    // their ranks along the cycles of that permutation.
    void Sort(Compare cmp) override {
        const int n = this->m_count;
        if (!cmp || n < 2)
            return;
        std::vector<int> rank(n);
        std::iota(rank.begin(), rank.end(), 0);
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                if (cmp(m_data + i, m_data + j) > 0) {
                    ++rank[i];
                    --rank[j];
                }
        for (int start = 0; start < n; ++start)
            PlaceCycle(rank, start);
        this->m_cursorIndex = -1;
    }

    int Capacity() const { return m_capacity; }
    // Element i, 0 <= i < Count(); does not move the cursor.
    T& operator[](int i) { return m_data[CheckedIndex(i)]; }
    const T& operator[](int i) const { return m_data[CheckedIndex(i)]; }

private:
    static constexpr int kNewGrowBy = 100;
    static constexpr int kCopyGrowBy = 10;

    int CheckedIndex(int i) const {
        assert(i >= 0 && i < this->m_count);
        return i;
    }
    // A new block of `capacity` value-initialised elements receiving the first
    // `kept` old ones. Count() becomes `kept`.
    void Reallocate(int capacity, int kept) {
        T* block = capacity > 0 ? new T[capacity]() : nullptr;
        std::move(m_data, m_data + kept, block);
        delete[] m_data;
        m_data = block;
        m_capacity = capacity;
        this->m_count = kept;
    }
    // Moves the elements of the cycle through `start` to their ranks and marks
    // them placed (rank[i] == i).
    void PlaceCycle(std::vector<int>& rank, int start) {
        if (rank[start] == start)
            return;
        T carried = std::move(m_data[start]);
        int from = start;
        do {
            const int to = rank[from];
            std::swap(carried, m_data[to]);
            rank[from] = from;
            from = to;
        } while (from != start);
    }
    void AssignFrom(const HxDynArray& other) {
        SetSize(other.m_count, false);
        std::copy(other.m_data, other.m_data + other.m_count, m_data);
        this->m_cursorIndex = -1;
    }
    void Swap(HxDynArray& other) noexcept {
        std::swap(this->m_count, other.m_count);
        std::swap(this->m_cursorIndex, other.m_cursorIndex);
        std::swap(m_data, other.m_data);
        std::swap(m_capacity, other.m_capacity);
        std::swap(m_growBy, other.m_growBy);
    }

    T* m_data = nullptr;
    int m_capacity = 0;
    int m_growBy = kNewGrowBy;
};
