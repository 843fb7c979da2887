// AcArray<T>: the host's growable array of values, with a logical length (the
// elements in use) and a physical length (the room allocated).
//
// The array owns its elements (copies of what is appended); for pointer
// element types it owns only the pointers, never the pointees. When full it
// grows by the larger of its grow length and its current physical length, so
// appending is amortised constant time. Indices are 0-based ints; an index out
// of range is a caller error (asserted), as in the host.
#pragma once

#include <algorithm>
#include <cassert>
#include <utility>
#include <vector>

template <class T> class AcArray {
public:
    explicit AcArray(int physicalLength = 0, int growLength = 8) : m_growLength(growLength) {
        if (m_growLength < 1)
            m_growLength = 1;
        if (physicalLength > 0)
            m_data.reserve(static_cast<size_t>(physicalLength));
    }
    AcArray(const AcArray& other) : m_growLength(other.m_growLength) {
        m_data.reserve(other.m_data.size());
        m_data.insert(m_data.end(), other.m_data.begin(), other.m_data.end());
    }
    AcArray(AcArray&& other) noexcept
        : m_data(std::move(other.m_data)), m_growLength(other.m_growLength) {
        other.m_data.clear();
    }
    AcArray& operator=(const AcArray& other) {
        if (this != &other) {
            m_data = other.m_data;
            m_growLength = other.m_growLength;
        }
        return *this;
    }
    AcArray& operator=(AcArray&& other) noexcept {
        m_data = std::move(other.m_data);
        m_growLength = other.m_growLength;
        other.m_data.clear();
        return *this;
    }

    bool operator==(const AcArray& other) const { return m_data == other.m_data; }
    bool operator!=(const AcArray& other) const { return m_data != other.m_data; }

    T& operator[](int i) { return at(i); }
    const T& operator[](int i) const { return at(i); }
    T& at(int i) {
        assert(i >= 0 && i < length());
        return m_data[static_cast<size_t>(i)];
    }
    const T& at(int i) const {
        assert(i >= 0 && i < length());
        return m_data[static_cast<size_t>(i)];
    }
    // First and last element; the array must not be empty.
    T& first() { return at(0); }
    const T& first() const { return at(0); }
    T& last() { return at(length() - 1); }
    const T& last() const { return at(length() - 1); }

    // Appends a copy of value; returns its index.
    int append(const T& value) {
        makeRoom(length() + 1);
        m_data.push_back(value);
        return length() - 1;
    }
    // Appends copies of every element of other (other may be this array).
    AcArray& append(const AcArray& other) {
        const int n = other.length();
        makeRoom(length() + n);
        for (int i = 0; i < n; ++i)
            m_data.push_back(other.m_data[static_cast<size_t>(i)]);
        return *this;
    }
    // Inserts value before index (0..length; length appends).
    AcArray& insertAt(int index, const T& value) {
        assert(index >= 0 && index <= length());
        T copy = value; // value may live in this array
        makeRoom(length() + 1);
        m_data.insert(m_data.begin() + index, std::move(copy));
        return *this;
    }
    // Removes the element at index; later elements move down by one.
    AcArray& removeAt(int index) {
        assert(index >= 0 && index < length());
        m_data.erase(m_data.begin() + index);
        return *this;
    }
    // Removes the first element equal to value at or after start; false when
    // there is none.
    bool remove(const T& value, int start = 0) {
        int index = -1;
        if (!find(value, index, start))
            return false;
        removeAt(index);
        return true;
    }
    AcArray& removeFirst() { return removeAt(0); }
    AcArray& removeLast() { return removeAt(length() - 1); }
    // Empties the array; the physical length stays.
    AcArray& removeAll() {
        m_data.clear();
        return *this;
    }

    bool contains(const T& value, int start = 0) const {
        int index = -1;
        return find(value, index, start);
    }
    // Index of the first element equal to value at or after start, in index;
    // false (index untouched) when there is none.
    bool find(const T& value, int& index, int start = 0) const {
        for (int i = std::max(start, 0); i < length(); ++i) {
            if (m_data[static_cast<size_t>(i)] == value) {
                index = i;
                return true;
            }
        }
        return false;
    }
    // Index of the first element equal to value, or -1.
    int find(const T& value) const {
        int index = -1;
        find(value, index);
        return index;
    }

    int length() const { return static_cast<int>(m_data.size()); }
    int logicalLength() const { return length(); }
    int physicalLength() const { return static_cast<int>(m_data.capacity()); }
    bool isEmpty() const { return m_data.empty(); }
    int growLength() const { return m_growLength; }
    // Values below 1 are taken as 1.
    AcArray& setGrowLength(int n) {
        m_growLength = n < 1 ? 1 : n;
        return *this;
    }
    // Grows (with default values) or shrinks the elements in use.
    AcArray& setLogicalLength(int n) {
        assert(n >= 0);
        makeRoom(n);
        m_data.resize(static_cast<size_t>(n));
        return *this;
    }
    // Sets the room allocated to exactly n; elements beyond n are dropped.
    AcArray& setPhysicalLength(int n) {
        assert(n >= 0);
        std::vector<T> resized;
        resized.reserve(static_cast<size_t>(n));
        const size_t keep = std::min(m_data.size(), static_cast<size_t>(n));
        for (size_t i = 0; i < keep; ++i)
            resized.push_back(std::move(m_data[i]));
        m_data.swap(resized);
        return *this;
    }
    AcArray& reverse() {
        std::reverse(m_data.begin(), m_data.end());
        return *this;
    }

    // The elements as a plain array, valid until the array next grows; null
    // when nothing was ever allocated.
    T* asArrayPtr() { return m_data.data(); }
    const T* asArrayPtr() const { return m_data.data(); }

    T* begin() { return m_data.data(); }
    T* end() { return m_data.data() + m_data.size(); }
    const T* begin() const { return m_data.data(); }
    const T* end() const { return m_data.data() + m_data.size(); }

private:
    void makeRoom(int needed) {
        const int room = physicalLength();
        if (needed <= room)
            return;
        const int grown = room + std::max(m_growLength, room);
        m_data.reserve(static_cast<size_t>(std::max(needed, grown)));
    }

    std::vector<T> m_data;
    int m_growLength = 8;
};

typedef AcArray<void*> AcDbVoidPtrArray;
