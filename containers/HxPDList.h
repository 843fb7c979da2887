//===- HxPDList.h - Owning doubly linked list of pointers -------*- C++ -*-===//
//
// HxPDList<T> is an HxDList<T*> that owns the objects its elements point to:
// removing an element (RemoveCurrent, RemoveAt, RemoveLast, RemoveAll,
// CutAfterCurrent, SetSize shrinking, the destructor) deletes its pointee
// unless the element is null. SetCurrent overwrites a pointer without deleting
// the old pointee; Move, Sort, SortByValue, Reverse, Rotate and TakeTail keep
// every pointee (TakeTail hands the moved ones to the receiving list).
//
// Copying copies the pointers, not the pointees: afterwards two lists own the
// same objects and the second to delete them deletes freed memory. Whoever
// copies an owning list (the pipe graph) must replace the copied pointers with
// copies of their own before either list removes anything. Assignment first
// deletes what the target owned. Moving transfers ownership; the source is
// left empty. Costs are those of HxDList plus one delete per removed element.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "HxDList.h"

#include <utility>

template <class T> class HxPDList : public HxDList<T*> {
    using DList = HxDList<T*>;

public:
    using typename DList::Node;
    using typename DList::ValueCompare;

    HxPDList() = default;
    HxPDList(const HxPDList& other) : DList(other) {}
    HxPDList(HxPDList&& other) : DList(std::move(other)) {}
    HxPDList& operator=(const HxPDList& other) {
        if (this != &other) {
            RemoveAll();
            DList::operator=(other);
        }
        return *this;
    }
    HxPDList& operator=(HxPDList&& other) {
        DList::operator=(std::move(other));
        return *this;
    }
    // Each pointee is deleted as its node is freed, in one walk of the nodes.
    ~HxPDList() override { this->FreeNodesAndEmpty(DeletePointee); }

    void RemoveAll() override { this->FreeNodesAndEmpty(DeletePointee); }
    void RemoveCurrent() override {
        if (this->IsEnd())
            return;
        T* pointee = this->Current();
        DList::RemoveCurrent();
        delete pointee;
    }
    void CutAfterCurrent() override {
        this->FreeChain(this->UnlinkTail(this->m_cursorIndex + 1), DeletePointee);
    }
    // Slot 29. The sort of Sort with the comparator given the pointers
    // themselves: cmp(c, e) > 0 puts e in front of c. Nothing for a null cmp.
    void SortByValue(ValueCompare cmp) override {
        if (cmp)
            this->SortBackwards(
                [cmp](Node* a, Node* b) { return cmp(a->m_value, b->m_value) > 0; });
    }

private:
    static void DeletePointee(T*& pointee) {
        delete pointee;
        pointee = nullptr;
    }
};
