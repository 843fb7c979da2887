//===- HxPXList.h - Owning indexed list of pointers -------------*- C++ -*-===//
//
// HxPXList<T> is an HxXList<T*> that owns the objects its elements point to,
// with exactly the ownership rules of HxPDList: removing an element deletes
// its pointee unless it is null; SetCurrent, Move, the sorts, Reverse, Rotate
// and TakeTail delete nothing. Copying copies the pointers, so two lists then
// own the same objects (see HxPDList.h for who must deep-copy); assignment
// first deletes what the target owned; moving transfers ownership. Costs are
// those of HxXList plus one delete per removed element.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "HxXList.h"

#include <utility>

template <class T> class HxPXList : public HxXList<T*> {
    using XList = HxXList<T*>;

public:
    using typename XList::Node;
    using typename XList::ValueCompare;

    HxPXList() = default;
    explicit HxPXList(int step) : XList(step) {}
    HxPXList(const HxPXList& other) : XList(other) {}
    HxPXList(HxPXList&& other) : XList(std::move(other)) {}
    HxPXList& operator=(const HxPXList& other) {
        if (this != &other) {
            RemoveAll();
            XList::operator=(other);
        }
        return *this;
    }
    HxPXList& operator=(HxPXList&& other) {
        XList::operator=(std::move(other));
        return *this;
    }
    ~HxPXList() override { DeleteFrom(this->FirstPos()); }

    void RemoveAll() override {
        DeleteFrom(this->FirstPos());
        XList::RemoveAll();
    }
    void RemoveCurrent() override {
        if (this->IsEnd())
            return;
        T* pointee = this->Current();
        XList::RemoveCurrent();
        delete pointee;
    }
    void CutAfterCurrent() override {
        DeleteFrom(this->IsEnd() ? this->FirstPos() : this->NextPos(&this->Current()));
        XList::CutAfterCurrent();
    }
    // Slot 29: see HxPDList::SortByValue.
    void SortByValue(ValueCompare cmp) override {
        if (!cmp)
            return;
        this->SortBackwards([cmp](Node* a, Node* b) { return cmp(a->m_value, b->m_value) > 0; });
        this->RebuildIndex();
    }

private:
    void DeleteFrom(T** pos) {
        for (; pos; pos = this->NextPos(pos)) {
            delete *pos;
            *pos = nullptr;
        }
    }
};
