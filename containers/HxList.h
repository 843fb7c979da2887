//===- HxList.h - Singly linked circular list with a cursor -----*- C++ -*-===//
//
// HxList<T> chains HxListNode<T> nodes in a circle through a sentinel: the last
// node's next is the sentinel, the sentinel's next the first node (itself when
// the list is empty). The list owns its nodes and sentinel (not what pointer
// elements point to). While the cursor index is -1 the cursor rests on the
// sentinel; Next() from there reaches the first element, Prev() the last.
// Positions out of range park the cursor on the sentinel instead of failing.
//
// Costs: First, Next, Last, Append, AddHead, InsertAfter and the handles other
// than PrevPos are constant time. Reaching a position (GoTo, PosAt, At,
// InsertAt, RemoveAt) and anything that needs the previous node (Prev,
// PrevPos, InsertBefore, RemoveCurrent) is a deceivingly expensive operation
// (linear time): the walk starts from the cursor when it is not past the
// target, else from the front. Sort is an insertion sort (quadratic).
// TakeTail relinks nodes without copying them.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "HxDynArrayBase.h"
#include "HxListNode.h"

#include <typeinfo>
#include <utility>

template <class T> class HxList : public HxDynArrayBase<T> {
public:
    using Node = HxListNode<T>;
    using Sentinel = HxListSentinel<T>;
    using typename HxDynArrayBase<T>::Compare;

    HxList() : HxList(NewSentinel()) {}
    // Copies `other`'s elements in order; pointers are copied as pointers.
    HxList(const HxList& other) : HxList() { AssignFrom(other); }
    // Takes `other`'s nodes (values when its links differ); `other` is empty.
    HxList(HxList&& other) : HxList() { TakeTail(other, 0); }
    // Size to other's count, then its elements in order through the cursor,
    // which ends with no current element.
    HxList& operator=(const HxList& other) {
        if (this != &other)
            AssignFrom(other);
        return *this;
    }
    // Removes every element, then takes `other`'s nodes; `other` is empty.
    HxList& operator=(HxList&& other) {
        if (this != &other) {
            this->RemoveAll();
            this->TakeTail(other, 0);
        }
        return *this;
    }
    ~HxList() override {
        if (!m_sentinel) // a derived list freed its own kind of nodes
            return;
        FreeNodes();
        delete static_cast<Sentinel*>(m_sentinel);
    }

    void Extend(int n) override {
        Node* cursor = m_cursor;
        const int index = this->m_cursorIndex;
        while (this->m_count < n)
            this->Append(T{});
        SetCursor(cursor, index);
    }
    // Grows with Extend(n) or removes the last element until Count() is
    // max(n, 0); `keep` is not used.
    void SetSize(int n, bool) override {
        this->Extend(n);
        while (this->m_count > n && this->m_count > 0)
            this->RemoveLast();
    }
    void RemoveAll() override {
        FreeNodes();
        ResetLinks();
    }
    T& Current() override { return m_cursor->m_value; }
    void SetCurrent(const T& value) override {
        Touch();
        m_cursor->m_value = value;
    }
    // Raised by every change made through the list's operations (not by
    // writes through the references that Current and At return).
    unsigned long long Revision() const { return static_cast<Sentinel*>(m_sentinel)->m_revision; }
    void First() override { SetCursor(Head(), this->m_count > 0 ? 0 : -1); }
    // From the last element to the sentinel (-1); from the sentinel to the
    // first element.
    void Next() override {
        Node* next = m_cursor->m_next;
        SetCursor(next, next == m_sentinel ? -1 : this->m_cursorIndex + 1);
    }
    // From the first element to the sentinel (-1); from the sentinel to the
    // last element.
    void Prev() override {
        if (m_cursor == m_sentinel) {
            Last();
            return;
        }
        SetCursor(NodeBefore(m_cursor), this->m_cursorIndex - 1);
    }
    void Last() override { SetCursor(m_last, this->m_count - 1); }
    void GoTo(int i) override {
        if (!InRange(i)) {
            Park();
            return;
        }
        SetCursor(NodeAt(i), i);
    }
    T* FirstPos() override { return PosOf(Head()); }
    T* NextPos(T* pos) override { return pos ? PosOf(Node::FromPos(pos)->m_next) : nullptr; }
    // Searches from the front.
    T* PrevPos(T* pos) override { return pos ? PosOf(NodeBefore(Node::FromPos(pos))) : nullptr; }
    T* LastPos() override { return PosOf(m_last); }
    T* PosAt(int i) override { return InRange(i) ? &NodeAt(i)->m_value : nullptr; }
    void InsertBefore(const T& value) override {
        const bool parked = m_cursor == m_sentinel;
        const int index = parked ? this->m_count : this->m_cursorIndex;
        Node* node = LinkAfter(parked ? m_last : NodeBefore(m_cursor), value);
        SetCursor(node, index);
    }
    void RemoveCurrent() override {
        if (m_cursor == m_sentinel)
            return;
        Node* before = NodeBefore(m_cursor);
        delete UnlinkAfter(before);
        SetCursor(before, this->m_cursorIndex - 1);
    }
    // Insertion sort from the front: each element from position 1 on goes in
    // front of the first earlier element c with cmp(c, element) > 0.
    void Sort(Compare cmp) override {
        if (cmp)
            SortFromFront([cmp](Node* a, Node* b) { return cmp(&a->m_value, &b->m_value) > 0; });
    }
    // Slot 24. Inserts after the cursor (with no current element: at the
    // front); the cursor is on the new element, index + 1.
    void InsertAfter(const T& value) override {
        Node* node = LinkAfter(m_cursor, value);
        SetCursor(node, this->m_cursorIndex + 1);
    }
    // Slot 25. Frees every element behind the cursor (all of them when there
    // is no current element): Count() becomes cursor index + 1.
    void CutAfterCurrent() override { FreeChain(UnlinkTail(this->m_cursorIndex + 1)); }
    // Slot 26. When 0 <= from < other.Count() and `other` is another list,
    // moves other's elements from position `from` on to the end of this list.
    // The nodes are relinked when both chain the same kind of node (`other`
    // is a plain HxList<T> or of this list's type; HxDList: both are HxDLists),
    // else the values move and other's slots are cleared before it frees
    // them. `other` keeps its first `from` elements and its cursor ends on its
    // new last element (-1 when none); this list's cursor stays. Returns
    // Count(); nothing happens for `from` out of range or other == *this.
    int TakeTail(HxList<T>& other, int from) override {
        if (&other == this || from < 0 || from >= other.m_count)
            return this->m_count;
        if (typeid(other) != typeid(HxList<T>) && typeid(other) != typeid(*this))
            return TakeTailByValue(other, from);
        LinkChain(other.UnlinkTail(from));
        other.Last();
        return this->m_count;
    }
    // Slot 27. Reverses the order (nothing for fewer than two elements); the
    // current element stays current at its new index Count() - 1 - index.
    void Reverse() override {
        if (this->m_count < 2)
            return;
        Node* oldFirst = Head();
        Node* before = m_sentinel;
        for (Node* node = oldFirst; node != m_sentinel;) {
            Node* next = node->m_next;
            node->m_next = before;
            before = node;
            node = next;
        }
        m_sentinel->m_next = before;
        m_last = oldFirst;
        MirrorCursorIndex();
        Touch();
    }
    // Slot 28. Turns the circle so that the element at `from` ends at `to`:
    // the old element k = (Count() - to + from) mod Count() becomes the first.
    // The cursor goes to the first element. Nothing when from == to or the
    // list is empty.
    void Rotate(int from, int to) override {
        const int k = RotationStart(from, to);
        if (k < 0)
            return;
        if (k > 0) {
            Node* newLast = NodeAt(k - 1);
            m_last->m_next = Head();
            m_sentinel->m_next = newLast->m_next;
            newLast->m_next = m_sentinel;
            m_last = newLast;
            Touch();
        }
        SetCursor(Head(), 0);
    }

protected:
    // The detached nodes from one position to the end.
    struct Chain {
        Node* head;
        Node* tail;
        int count;
    };

    // Builds the list on a sentinel of a derived list's node kind.
    explicit HxList(Node* sentinel) : m_cursor(sentinel), m_sentinel(sentinel), m_last(sentinel) {}

    // A sentinel for either kind of list: its links point to itself.
    static Node* NewSentinel() {
        Sentinel* sentinel = new Sentinel{{{T{}, nullptr}, nullptr}, 0};
        sentinel->m_next = sentinel;
        sentinel->m_prev = sentinel;
        return sentinel;
    }
    void Touch() { ++static_cast<Sentinel*>(m_sentinel)->m_revision; }
    Node* Head() const { return m_sentinel->m_next; }
    bool InRange(int i) const { return i >= 0 && i < this->m_count; }
    T* PosOf(Node* node) const { return node && node != m_sentinel ? &node->m_value : nullptr; }
    void SetCursor(Node* node, int index) {
        m_cursor = node;
        this->m_cursorIndex = index;
    }
    void Park() { SetCursor(m_sentinel, -1); }
    // Empty circle (the nodes are already freed).
    void ResetLinks() {
        Touch();
        m_sentinel->m_next = m_sentinel;
        m_last = m_sentinel;
        this->m_count = 0;
        Park();
    }
    void MirrorCursorIndex() {
        if (m_cursor != m_sentinel)
            this->m_cursorIndex = this->m_count - 1 - this->m_cursorIndex;
    }
    // The first position of a rotation, or -1 when it changes nothing.
    int RotationStart(int from, int to) const {
        const int n = this->m_count;
        if (n == 0 || from == to)
            return -1;
        return ((n - to + from) % n + n) % n;
    }
    // Node at position i (in range): the last directly, else walking from the
    // cursor when it is not past i, else from the front.
    Node* NodeAt(int i) const {
        if (i == this->m_count - 1)
            return m_last;
        Node* node = Head();
        int at = 0;
        if (this->m_cursorIndex >= 0 && this->m_cursorIndex <= i) {
            node = m_cursor;
            at = this->m_cursorIndex;
        }
        for (; at < i; ++at)
            node = node->m_next;
        return node;
    }
    // The node whose next is `node`, searching from the sentinel; null when
    // `node` is not in the list.
    Node* NodeBefore(Node* node) const {
        if (node == m_sentinel)
            return m_last;
        for (Node* at = m_sentinel; at->m_next != m_sentinel; at = at->m_next)
            if (at->m_next == node)
                return at;
        return nullptr;
    }
    Node* LinkAfter(Node* at, const T& value) {
        Touch();
        Node* node = new Node{value, at->m_next};
        at->m_next = node;
        if (at == m_last)
            m_last = node;
        ++this->m_count;
        return node;
    }
    // Unlinks the node after `before` and returns it.
    Node* UnlinkAfter(Node* before) {
        Touch();
        Node* node = before->m_next;
        before->m_next = node->m_next;
        if (node == m_last)
            m_last = before;
        --this->m_count;
        return node;
    }
    // Detaches the nodes from position `after` + 1 on, where `after` is the
    // node at that position - 1 (the sentinel for 0). The cursor parks when it
    // was on one of them.
    Chain DetachAfter(Node* after, int from) {
        Touch();
        Chain chain{after->m_next, m_last, this->m_count - from};
        after->m_next = m_sentinel;
        m_last = after;
        this->m_count = from;
        if (this->m_cursorIndex >= from)
            Park();
        return chain;
    }
    // Detaches the nodes from position `from` on (none when out of range).
    Chain UnlinkTail(int from) {
        if (!InRange(from))
            return Chain{nullptr, nullptr, 0};
        return DetachAfter(NodeBeforePosition(from), from);
    }
    Node* NodeBeforePosition(int from) const {
        if (from == 0)
            return m_sentinel;
        return from - 1 == this->m_cursorIndex ? m_cursor : NodeAt(from - 1);
    }
    void LinkChain(const Chain& chain) {
        if (chain.count == 0)
            return;
        Touch();
        m_last->m_next = chain.head;
        chain.tail->m_next = m_sentinel;
        m_last = chain.tail;
        this->m_count += chain.count;
    }
    void FreeChain(const Chain& chain) {
        Node* node = chain.head;
        for (int i = 0; i < chain.count; ++i) {
            Node* next = node->m_next;
            delete node;
            node = next;
        }
    }
    void FreeNodes() { FreeChain(Chain{Head(), m_last, this->m_count}); }

    // Appends other's elements from `from` on by value, clearing each slot so
    // that an owning source gives its pointees up, then lets `other` cut them.
    int TakeTailByValue(HxList<T>& other, int from) {
        Node* cursor = m_cursor;
        const int index = this->m_cursorIndex;
        for (T* pos = other.PosAt(from); pos; pos = other.NextPos(pos)) {
            this->Append(*pos);
            *pos = T{};
        }
        SetCursor(cursor, index);
        other.CutAfter(from - 1);
        return this->m_count;
    }
    // Size and elements of `source`, walked by its nodes.
    void AssignFrom(const HxList& source) {
        this->SetSize(source.m_count, false);
        this->First();
        for (Node* node = source.Head(); node != source.m_sentinel; node = node->m_next) {
            this->SetCurrent(node->m_value);
            this->Next();
        }
    }
    // The insertion sort of Sort with `greater(c, e)` standing for
    // cmp(c, e) > 0. Relinks nodes; the cursor parks.
    template <class Greater> void SortFromFront(Greater greater) {
        if (this->m_count < 2)
            return;
        Node* before = Head(); // the node in front of `element`
        for (Node* element = before->m_next; element != m_sentinel; element = before->m_next) {
            Node* beforeSlot = m_sentinel;
            while (beforeSlot->m_next != element && !greater(beforeSlot->m_next, element))
                beforeSlot = beforeSlot->m_next;
            if (beforeSlot->m_next == element) {
                before = element;
                continue;
            }
            UnlinkAfter(before);
            element->m_next = beforeSlot->m_next;
            beforeSlot->m_next = element;
            ++this->m_count;
        }
        Touch();
        Park();
    }

    Node* m_cursor;
    Node* m_sentinel;
    Node* m_last;
};
