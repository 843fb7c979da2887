//===- HxDList.h - Doubly linked circular list with a cursor ----*- C++ -*-===//
//
// HxDList<T> is HxList<T> on HxDListNode<T> nodes, which also link back: the
// sentinel's previous is the last node, the first node's previous the
// sentinel. Everything HxList promises holds; the back links make Prev,
// PrevPos, InsertBefore and RemoveCurrent constant time, and positioning
// walks from whichever of the cursor, the first and the last node is nearest
// (still a deceivingly expensive operation: linear time). Sort is an
// insertion sort that walks backwards from each element, linear on sorted
// input and quadratic at worst. The list owns its nodes and sentinel, not what
// pointer elements point to.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "HxList.h"

#include <cstdlib>
#include <utility>

template <class T> class HxDList : public HxList<T> {
    using List = HxList<T>;

public:
    using typename List::Node;
    using DNode = HxDListNode<T>;
    using typename List::Compare;

    HxDList() : List(List::NewSentinel()) {}
    HxDList(const HxDList& other) : List(List::NewSentinel()) { this->AssignFrom(other); }
    HxDList(HxDList&& other) : List(List::NewSentinel()) { TakeTail(other, 0); }
    HxDList& operator=(const HxDList& other) {
        List::operator=(other);
        return *this;
    }
    HxDList& operator=(HxDList&& other) {
        List::operator=(std::move(other));
        return *this;
    }
    ~HxDList() override {
        FreeNodes();
        delete static_cast<typename List::Sentinel*>(this->m_sentinel);
        this->m_sentinel = nullptr;
    }

    void RemoveAll() override {
        FreeNodesAndEmpty([](T&) {});
    }
    void Prev() override {
        if (this->m_cursor == this->m_sentinel) {
            this->Last();
            return;
        }
        this->SetCursor(PrevOf(this->m_cursor), this->m_cursorIndex - 1);
    }
    void GoTo(int i) override {
        if (!this->InRange(i)) {
            this->Park();
            return;
        }
        this->SetCursor(NodeAt(i), i);
    }
    T* PrevPos(T* pos) override { return pos ? this->PosOf(PrevOf(Node::FromPos(pos))) : nullptr; }
    T* PosAt(int i) override { return this->InRange(i) ? &NodeAt(i)->m_value : nullptr; }
    void InsertBefore(const T& value) override {
        const bool parked = this->m_cursor == this->m_sentinel;
        const int index = parked ? this->m_count : this->m_cursorIndex;
        Node* node = LinkAfter(PrevOf(this->m_cursor), value);
        this->SetCursor(node, index);
    }
    void RemoveCurrent() override {
        Node* node = this->m_cursor;
        if (node == this->m_sentinel)
            return;
        Node* before = PrevOf(node);
        Unlink(node);
        delete static_cast<DNode*>(node);
        this->SetCursor(before, this->m_cursorIndex - 1);
    }
    // Insertion sort backwards: an element e whose previous p has
    // cmp(p, e) > 0 goes behind the nearest earlier c with cmp(c, e) <= 0
    // (or to the front).
    void Sort(Compare cmp) override {
        if (cmp)
            SortBackwards([cmp](Node* a, Node* b) { return cmp(&a->m_value, &b->m_value) > 0; });
    }
    void InsertAfter(const T& value) override {
        Node* node = LinkAfter(this->m_cursor, value);
        this->SetCursor(node, this->m_cursorIndex + 1);
    }
    void CutAfterCurrent() override { FreeChain(UnlinkTail(this->m_cursorIndex + 1)); }
    // Relinks the nodes when `other` is an HxDList too, else moves the values
    // (see HxList::TakeTail). `other` then cuts itself at from - 1, which
    // frees nothing but lets an indexed list rebuild its index.
    int TakeTail(HxList<T>& other, int from) override {
        if (&other == this || from < 0 || from >= other.Count())
            return this->m_count;
        auto* source = dynamic_cast<HxDList*>(&other);
        if (!source)
            return this->TakeTailByValue(other, from);
        LinkChain(source->UnlinkTail(from));
        other.CutAfter(from - 1);
        return this->m_count;
    }
    void Reverse() override {
        if (this->m_count < 2)
            return;
        Node* oldFirst = this->Head();
        Node* node = this->m_sentinel;
        do {
            Node* next = node->m_next;
            node->m_next = PrevOf(node);
            static_cast<DNode*>(node)->m_prev = next;
            node = next;
        } while (node != this->m_sentinel);
        this->m_last = oldFirst;
        this->MirrorCursorIndex();
        this->Touch();
    }
    void Rotate(int from, int to) override {
        const int k = this->RotationStart(from, to);
        if (k < 0)
            return;
        if (k > 0) {
            Node* sentinel = this->m_sentinel;
            Node* newFirst = NodeAt(k);
            Node* newLast = PrevOf(newFirst);
            Join(this->m_last, this->Head());
            Join(newLast, sentinel);
            Join(sentinel, newFirst);
            this->m_last = newLast;
            this->Touch();
        }
        this->SetCursor(this->Head(), 0);
    }

protected:
    using typename List::Chain;

    static Node* PrevOf(Node* node) { return static_cast<DNode*>(node)->m_prev; }
    static void Join(Node* before, Node* after) {
        before->m_next = after;
        static_cast<DNode*>(after)->m_prev = before;
    }
    // Node at position i (in range): first and last directly, else walking
    // from the nearest of the cursor, the first and the last node.
    Node* NodeAt(int i) const {
        const int last = this->m_count - 1;
        Node* node = i <= last - i ? this->Head() : this->m_last;
        int at = i <= last - i ? 0 : last;
        const int cursor = this->m_cursorIndex;
        if (cursor >= 0 && std::abs(i - cursor) < std::abs(i - at)) {
            node = this->m_cursor;
            at = cursor;
        }
        for (; at < i; ++at)
            node = node->m_next;
        for (; at > i; --at)
            node = PrevOf(node);
        return node;
    }
    Node* LinkAfter(Node* at, const T& value) {
        this->Touch();
        Node* node = new DNode{{value, nullptr}, nullptr};
        Join(node, at->m_next);
        Join(at, node);
        if (at == this->m_last)
            this->m_last = node;
        ++this->m_count;
        return node;
    }
    void Unlink(Node* node) {
        this->Touch();
        Node* before = PrevOf(node);
        Join(before, node->m_next);
        if (node == this->m_last)
            this->m_last = before;
        --this->m_count;
    }
    Chain UnlinkTail(int from) {
        if (!this->InRange(from))
            return Chain{nullptr, nullptr, 0};
        Node* after = from == 0 ? this->m_sentinel : NodeAt(from - 1);
        Chain chain = this->DetachAfter(after, from);
        Join(after, this->m_sentinel);
        return chain;
    }
    void LinkChain(const Chain& chain) {
        if (chain.count == 0)
            return;
        this->Touch();
        Join(this->m_last, chain.head);
        Join(chain.tail, this->m_sentinel);
        this->m_last = chain.tail;
        this->m_count += chain.count;
    }
    static void FreeChain(const Chain& chain) {
        FreeChain(chain, [](T&) {});
    }
    // Frees the chain's nodes, calling release(value) on each node's value
    // just before its node goes, so that a list which also frees what its
    // elements point to walks its nodes once (each node a likely cache miss).
    template <class Release> static void FreeChain(const Chain& chain, Release release) {
        Node* node = chain.head;
        for (int i = 0; i < chain.count; ++i) {
            Node* next = node->m_next;
            release(node->m_value);
            delete static_cast<DNode*>(node);
            node = next;
        }
    }
    void FreeNodes() { FreeChain(Chain{this->Head(), this->m_last, this->m_count}); }
    // Frees every node as FreeChain(chain, release) does and leaves the list
    // empty, its cursor parked.
    template <class Release> void FreeNodesAndEmpty(Release release) {
        FreeChain(Chain{this->Head(), this->m_last, this->m_count}, release);
        this->ResetLinks();
        Join(this->m_sentinel, this->m_sentinel);
    }

    // The insertion sort of Sort with `greater(c, e)` standing for
    // cmp(c, e) > 0. Relinks nodes; the cursor parks.
    template <class Greater> void SortBackwards(Greater greater) {
        if (this->m_count < 2)
            return;
        Node* sentinel = this->m_sentinel;
        for (Node* element = this->Head()->m_next; element != sentinel;) {
            Node* next = element->m_next;
            Node* before = PrevOf(element);
            if (greater(before, element)) {
                do
                    before = PrevOf(before);
                while (before != sentinel && greater(before, element));
                Unlink(element);
                ++this->m_count;
                Join(element, before->m_next);
                Join(before, element);
            }
            element = next;
        }
        this->Park();
    }
};
