//===- HxQuene.h - Abstract first-in-first-out queue ------------*- C++ -*-===//
//
// The product's queue interface: every operation is pure, declared in the
// fixed order the product's modules share (never reorder them). Elements leave
// in the order they came in. Operations answer 0 instead of failing: Push when
// the queue is full, Front, Back and Pop when it is empty (their `out` is then
// left unchanged). HxListQuene is the implementation; costs are its own.
//
//===----------------------------------------------------------------------===//
#pragma once

template <class T> class HxQuene {
public:
    // Slot 0. Removes every element.
    virtual void Clear() = 0;
    // Slot 1. Number of elements.
    virtual int Count() const = 0;
    // Slot 2. Element i from the front (growing the queue to i + 1 elements
    // when i >= Count()).
    virtual T& At(int i) = 0;
    // Slot 3. 0 when empty, else copies the first element to `out`; 1.
    virtual int Front(T& out) = 0;
    // Slot 4. 0 when empty, else copies the last element to `out`; 1.
    virtual int Back(T& out) = 0;
    // Slot 5. 0 without change when full, else appends `value` at the back; 1.
    virtual int Push(const T& value) = 0;
    // Slot 6. 0 when empty, else moves the first element to `out` and removes
    // it; 1.
    virtual int Pop(T& out) = 0;
    // Slot 7.
    virtual ~HxQuene() = default;
};
