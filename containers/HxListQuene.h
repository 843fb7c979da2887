//===- HxListQuene.h - Queue kept in a singly linked list -------*- C++ -*-===//
//
// HxListQuene<T> keeps its elements in an embedded HxList<T>, the front at
// position 0. A size limit >= 0 makes Push refuse once Count() reaches it; a
// negative limit (the default, and every queue of this module) never refuses.
// Clear, Count, Front, Back, Push and Pop are constant time; At(i) walks the
// list, a deceivingly expensive operation (linear time). The queue owns its
// list (not what pointer elements point to); copies are independent queues.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "HxList.h"
#include "HxQuene.h"

template <class T> class HxListQuene : public HxQuene<T> {
public:
    explicit HxListQuene(int limit = -1) : m_limit(limit) {}

    void Clear() override { m_list.RemoveAll(); }
    int Count() const override { return m_list.Count(); }
    T& At(int i) override { return m_list.At(i); }
    int Front(T& out) override { return CopyOut(m_list.FirstPos(), out); }
    int Back(T& out) override { return CopyOut(m_list.LastPos(), out); }
    int Push(const T& value) override {
        if (m_limit >= 0 && m_list.Count() >= m_limit)
            return 0;
        m_list.Append(value);
        return 1;
    }
    int Pop(T& out) override {
        if (!Front(out))
            return 0;
        m_list.RemoveAt(0);
        return 1;
    }

    int Limit() const { return m_limit; }

private:
    static int CopyOut(const T* pos, T& out) {
        if (!pos)
            return 0;
        out = *pos;
        return 1;
    }

    int m_limit;
    HxList<T> m_list;
};
