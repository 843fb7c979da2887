//===- HxXList.h - Doubly linked list with a position index -----*- C++ -*-===//
//
// HxXList<T> is an HxDList<T> that also keeps a sparse position index: an
// embedded HxDynArray of node pointers holding, for every block of Step()
// positions that holds an element, the node at the block's first position.
// Invariant after every operation: the index has ceil(Count() / Step())
// entries and entry k is the node at position k * Step(). The list owns its
// nodes, sentinel and index, not what pointer elements point to.
//
// Costs: positioning (GoTo, PosAt, At, InsertAt, RemoveAt) jumps to an entry
// and walks at most Step() - 1 nodes. Every insertion and removal updates the
// entries behind its position (Count() / Step() of them); Sort, Reverse,
// Rotate, CutAfterCurrent and TakeTail rebuild the whole index, a deceivingly
// expensive operation (linear time).
//
//===----------------------------------------------------------------------===//
#pragma once

#include "HxDList.h"
#include "HxDynArray.h"

#include <utility>

template <class T> class HxXList : public HxDList<T> {
    using DList = HxDList<T>;

public:
    using typename DList::Compare;
    using typename DList::Node;
    using PositionIndex = HxDynArray<HxListNode<T>*>;

    static constexpr int kDefaultStep = 25;

    HxXList() = default;
    // An index entry for every `step` positions; a step below 1 counts as 1.
    explicit HxXList(int step) : m_step(step < 1 ? 1 : step) {}
    // Copies the elements and the step; the copy indexes its own nodes.
    HxXList(const HxXList& other) : DList(other), m_step(other.m_step) { RebuildIndex(); }
    HxXList(HxXList&& other) : m_step(other.m_step) { TakeTail(other, 0); }
    HxXList& operator=(const HxXList& other) {
        if (this != &other) {
            AdoptStep(other.m_step);
            DList::operator=(other);
        }
        return *this;
    }
    HxXList& operator=(HxXList&& other) {
        if (this != &other) {
            AdoptStep(other.m_step);
            DList::operator=(std::move(other));
        }
        return *this;
    }

    void RemoveAll() override {
        DList::RemoveAll();
        m_index.RemoveAll();
    }
    void GoTo(int i) override {
        if (!this->InRange(i)) {
            this->Park();
            return;
        }
        this->SetCursor(NodeAt(i), i);
    }
    T* PosAt(int i) override { return this->InRange(i) ? &NodeAt(i)->m_value : nullptr; }
    void InsertBefore(const T& value) override {
        DList::InsertBefore(value);
        AfterInsert(this->m_cursorIndex);
    }
    void RemoveCurrent() override {
        if (this->IsEnd())
            return;
        BeforeRemove(this->m_cursorIndex);
        DList::RemoveCurrent();
    }
    void Sort(Compare cmp) override {
        DList::Sort(cmp);
        RebuildIndex();
    }
    void InsertAfter(const T& value) override {
        DList::InsertAfter(value);
        AfterInsert(this->m_cursorIndex);
    }
    void CutAfterCurrent() override {
        DList::CutAfterCurrent();
        RebuildIndex();
    }
    int TakeTail(HxList<T>& other, int from) override {
        const int count = DList::TakeTail(other, from);
        RebuildIndex();
        return count;
    }
    void Reverse() override {
        DList::Reverse();
        RebuildIndex();
    }
    void Rotate(int from, int to) override {
        DList::Rotate(from, to);
        RebuildIndex();
    }

    int Step() const { return m_step; }
    // The position index, for inspection: entry k is the node at k * Step().
    const PositionIndex& Index() const { return m_index; }

protected:
    // Node at position i (in range): the last directly, else from index entry
    // i / Step() forward.
    Node* NodeAt(int i) const {
        const int entry = i / m_step;
        if (i == this->m_count - 1 || entry >= m_index.Count())
            return DList::NodeAt(i);
        Node* node = m_index[entry];
        for (int at = entry * m_step; at < i; ++at)
            node = node->m_next;
        return node;
    }
    void RebuildIndex() {
        m_index.RemoveAll();
        int at = 0;
        for (Node* node = this->Head(); node != this->m_sentinel; node = node->m_next, ++at)
            if (at % m_step == 0)
                m_index.Append(node);
    }

private:
    int EntriesFor(int count) const { return (count + m_step - 1) / m_step; }
    // First entry k with k * Step() >= position.
    int FirstEntryFrom(int position) const { return (position + m_step - 1) / m_step; }
    // The element at `position` was just inserted: the entries from there on
    // step back to the node that now stands at their position, and a new
    // block gets its entry.
    void AfterInsert(int position) {
        for (int k = FirstEntryFrom(position); k < m_index.Count(); ++k)
            m_index[k] = DList::PrevOf(m_index[k]);
        if (m_index.Count() < EntriesFor(this->m_count))
            m_index.Append(this->m_last);
    }
    // The element at `position` is about to go: a block that empties loses
    // its entry, and the entries from there on step on to the next node.
    void BeforeRemove(int position) {
        if (EntriesFor(this->m_count - 1) < m_index.Count())
            m_index.RemoveLast();
        for (int k = FirstEntryFrom(position); k < m_index.Count(); ++k)
            m_index[k] = m_index[k]->m_next;
    }
    void AdoptStep(int step) {
        m_step = step;
        RebuildIndex();
    }

    PositionIndex m_index;
    int m_step = kDefaultStep;
};
