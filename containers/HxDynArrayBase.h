//===- HxDynArrayBase.h - Abstract sequence with a cursor -------*- C++ -*-===//
//
// The one interface of the product's sequences: the array HxDynArray and the
// lists HxList, HxDList, HxXList, HxPDList and HxPXList. A sequence holds
// Count() elements at positions 0 .. Count() - 1 and a cursor whose index is
// the position of the current element, or -1 when there is none (a list then
// rests on its sentinel). The loop idiom is First(), then Current() and Next()
// until IsEnd(). The virtual functions are declared in a fixed order that every
// module of the product shares: never reorder, insert or remove one.
//
// Position handles (FirstPos, NextPos, PrevPos, LastPos, PosAt) are the address
// of an element's value, typed T*: inside the array's block, or at the head of
// a list node. `*pos` reads or writes the element. A list handle stays valid
// until its element is removed; an array handle until the array changes size.
//
// This class implements the cursor defaults (index arithmetic, used by the
// array) and the composite operations At, InsertAt, AddHead, Append and Move
// on top of the others; the list-only operations do nothing here. Positioning
// is constant time in the array and a deceivingly expensive operation (linear
// time) in the lists, bounded by the index step in HxXList.
//
//===----------------------------------------------------------------------===//
#pragma once

template <class T> class HxList;

template <class T> class HxDynArrayBase {
public:
    // Sort comparator: < 0, 0 or > 0 as the first element orders before,
    // with or after the second.
    using Compare = int (*)(const T*, const T*);
    // Comparator on the elements themselves (the pointers of an owning list).
    using ValueCompare = int (*)(T, T);

    // Slot 0. Appends value-initialised elements (T{}: 0, null id, null
    // pointer) until Count() is n; the cursor stays. Lists do nothing when
    // n <= Count(); the array then shrinks to max(n, 0) (see HxDynArray.h).
    virtual void Extend(int n) = 0;
    // Slot 1.
    virtual ~HxDynArrayBase() = default;
    // Slot 2. Makes Count() equal to max(n, 0); see the implementations.
    virtual void SetSize(int n, bool keep) = 0;
    // Slot 3. Removes every element; the cursor index becomes -1.
    virtual void RemoveAll() = 0;
    // Slot 4. The element under the cursor (array: requires one; list: with no
    // current element, a scratch value that belongs to no position).
    virtual T& Current() = 0;
    // Slot 5. Assigns the element under the cursor.
    virtual void SetCurrent(const T& value) { Current() = value; }
    // Slot 6. Cursor to position 0 (lists: -1 when empty; the array sets 0).
    virtual void First() { m_cursorIndex = 0; }
    // Slot 7. Cursor one position on.
    virtual void Next() { ++m_cursorIndex; }
    // Slot 8. Cursor one position back.
    virtual void Prev() { --m_cursorIndex; }
    // Slot 9. Cursor to position Count() - 1 (-1 when empty).
    virtual void Last() { m_cursorIndex = m_count - 1; }
    // Slot 10. Cursor to position i (lists: -1 when i is out of range; the
    // array requires 0 <= i < Count()).
    virtual void GoTo(int i) { m_cursorIndex = i; }
    // Slot 11. Grows the sequence to i + 1 elements when i >= Count(), moves
    // the cursor to i and returns the element there.
    virtual T& At(int i) {
        if (i >= m_count)
            Extend(i + 1);
        GoTo(i);
        return Current();
    }
    // Slots 12 to 16. Position handles; null past either end, for a null
    // `pos`, on an empty sequence and (lists) for a position out of range.
    // None of them moves the cursor.
    virtual T* FirstPos() = 0;
    virtual T* NextPos(T* pos) = 0;
    virtual T* PrevPos(T* pos) = 0;
    virtual T* LastPos() = 0;
    virtual T* PosAt(int i) = 0;
    // Slot 17. Inserts before the cursor; the cursor is on the new element,
    // at the old index (lists with no current element: appends).
    virtual void InsertBefore(const T& value) = 0;
    // Slot 18. Inserts so that the new element stands at position i,
    // 0 <= i <= Count() (lists: any other i appends); the cursor is on it.
    virtual void InsertAt(int i, const T& value) {
        GoTo(i);
        InsertBefore(value);
    }
    // Slot 19. Inserts at position 0; the cursor is on the new element.
    virtual void AddHead(const T& value) { InsertAt(0, value); }
    // Slot 20. Inserts at the end; the cursor is on the new element. Returns
    // its position.
    virtual int Append(const T& value) {
        InsertAt(m_count, value);
        return m_count - 1;
    }
    // Slot 21. Removes the current element (nothing when there is none); the
    // cursor goes back one position, so that Next() reaches the element that
    // followed the removed one.
    virtual void RemoveCurrent() = 0;
    // Slot 22. Stable ascending sort: an element goes behind another only when
    // cmp(other, element) > 0. Nothing for a null cmp or fewer than two
    // elements; otherwise the cursor index becomes -1.
    virtual void Sort(Compare cmp) = 0;
    // Slot 23. Moves the element at `from` in front of the element that stood
    // at `to` (to == Count(): to the end); the cursor ends on it. Returns 1, or
    // 0 without change when to == from, to == from + 1 or either position is
    // out of range. The old slot is cleared before it is removed, so an owning
    // list keeps the pointee.
    virtual int Move(int from, int to) {
        if (from < 0 || from >= m_count || to < 0 || to > m_count || to == from || to == from + 1)
            return 0;
        GoTo(from);
        T value = Current();
        SetCurrent(T{});
        RemoveCurrent();
        InsertAt(to > from ? to - 1 : to, value);
        return 1;
    }
    // Slots 24 to 29: list operations, documented in HxList.h and HxPDList.h.
    // Here (the array) they do nothing; TakeTail returns Count().
    virtual void InsertAfter(const T&) {}
    virtual void CutAfterCurrent() {}
    virtual int TakeTail(HxList<T>&, int) { return m_count; }
    virtual void Reverse() {}
    virtual void Rotate(int, int) {}
    virtual void SortByValue(ValueCompare) {}

    int Count() const { return m_count; }
    // The cursor index: the current position, -1 when there is none (the
    // array may also hold Count() or more after Next() past the end).
    int CurrentIndex() const { return m_cursorIndex; }
    // True when there is no current element.
    bool IsEnd() const { return m_cursorIndex < 0 || m_cursorIndex >= m_count; }
    // GoTo(i), RemoveCurrent(): lists remove nothing for i out of range.
    void RemoveAt(int i) {
        GoTo(i);
        RemoveCurrent();
    }
    // Removes the last element; nothing when empty.
    void RemoveLast() {
        Last();
        RemoveCurrent();
    }
    // Lists: keeps positions 0 .. i and frees the rest; i < 0 empties the
    // list, i >= Count() keeps everything. The array keeps everything (and
    // requires i >= 0).
    void CutAfter(int i) {
        if (i >= m_count)
            return;
        GoTo(i);
        CutAfterCurrent();
    }

protected:
    HxDynArrayBase() = default;
    HxDynArrayBase(const HxDynArrayBase&) = default;
    HxDynArrayBase& operator=(const HxDynArrayBase&) = default;

    int m_count = 0;
    int m_cursorIndex = -1;
};
