//===- HxBTree.h - Node of a height-balanced binary search tree -*- C++ -*-===//
//
// HxBTree<T> is one node of an HxBFindTree<T>: a key, the child on the greater
// side, the child on the smaller side and the parent (null at the root). Keys
// on the smaller side order before the node's key (operator<), keys on the
// greater side after it; no two nodes hold equal keys (operator==). A node
// owns its two children: destroying it destroys its subtree, recursing as deep
// as the tree is high (logarithmic in a balanced tree). Only the tree links
// nodes; everyone else reads them.
//
//===----------------------------------------------------------------------===//
#pragma once

template <class T> class HxBFindTree;

template <class T> class HxBTree {
public:
    HxBTree(const T& key, HxBTree* parent) : m_parent(parent), m_key(key) {}
    ~HxBTree() {
        delete m_greater;
        delete m_smaller;
    }
    HxBTree(const HxBTree&) = delete;
    HxBTree& operator=(const HxBTree&) = delete;

    // Null where there is no such node.
    HxBTree* Greater() const { return m_greater; }
    HxBTree* Smaller() const { return m_smaller; }
    HxBTree* Parent() const { return m_parent; }
    const T& Key() const { return m_key; }

private:
    friend class HxBFindTree<T>;

    HxBTree* m_greater = nullptr;
    HxBTree* m_smaller = nullptr;
    HxBTree* m_parent;
    T m_key;
    // Height of the subtree rooted here (1 for a leaf); kept by the tree.
    int m_height = 1;
};
