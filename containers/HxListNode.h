//===- HxListNode.h - Link nodes of the linked lists ------------*- C++ -*-===//
//
// HxList<T> chains HxListNode<T> {value, next}; HxDList<T> and its descendants
// chain HxDListNode<T>, which adds the link to the previous node. Each list's
// chain is circular through a sentinel node whose value belongs to no position.
// A node owns its value and nothing else; the lists own the nodes. The value
// opens the node, so the address of a node's value is the list's position
// handle for that element (see HxDynArrayBase.h) and converts back to the node
// in constant time. HxXList keeps HxListNode<T>* entries in its position index.
//
// Every list's sentinel is an HxListSentinel<T>: a doubly linked node (the
// singly linked lists leave its back link unused) followed by the list's
// revision, which every change of the list made through its operations
// raises, so that a reader can tell exactly whether the list changed since it
// last looked.
//
//===----------------------------------------------------------------------===//
#pragma once

template <class T> struct HxListNode {
    T m_value;
    HxListNode* m_next;

    // The node whose value `pos` addresses. `pos` must be a handle that a list
    // gave out (the value is the node's first member, so the two addresses are
    // the same); null gives null.
    static HxListNode* FromPos(T* pos) { return reinterpret_cast<HxListNode*>(pos); }
};

template <class T> struct HxDListNode : HxListNode<T> {
    // Always an HxDListNode<T> (or the sentinel, which is one too).
    HxListNode<T>* m_prev;
};

template <class T> struct HxListSentinel : HxDListNode<T> { unsigned long long m_revision; };
