//===- HxBFindTree.h - Height-balanced search tree of keys ------*- C++ -*-===//
//
// HxBFindTree<T> is a set of keys in an AVL tree of HxBTree<T> nodes: at every
// node the heights of the two subtrees differ by at most one, so Find descends
// in logarithmic time. Keys are compared with their own operator== and
// operator< (an AcDbObjectId by its stub address). The tree owns its root and
// through it every node; nodes are never removed before the tree dies.
//
// Each node caches the height of its subtree, kept in step on every insertion
// and restructuring, so an insertion costs a logarithmic climb. At most one
// restructuring (one or two rotations) follows an insertion.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "HxBTree.h"

#include <algorithm>
#include <utility>

template <class T> class HxBFindTree {
public:
    using Node = HxBTree<T>;

    HxBFindTree() = default;
    HxBFindTree(const HxBFindTree&) = delete;
    HxBFindTree& operator=(const HxBFindTree&) = delete;
    // Takes the nodes; `other` is left empty.
    HxBFindTree(HxBFindTree&& other) noexcept : m_root(std::exchange(other.m_root, nullptr)) {}
    HxBFindTree& operator=(HxBFindTree&& other) noexcept {
        std::swap(m_root, other.m_root);
        return *this;
    }
    ~HxBFindTree() { delete m_root; }

    // The node holding `key`, or null. Found: `parent` is the node's parent
    // (null at the root) and `greaterSide` whether the node hangs on its
    // greater side. Not found: `parent` is the node under which `key` belongs
    // (null in an empty tree) and `greaterSide` the side it belongs on.
    Node* Find(const T& key, Node*& parent, bool& greaterSide) const {
        parent = nullptr;
        greaterSide = false;
        for (Node* node = m_root; node;) {
            if (key == node->m_key) {
                parent = node->m_parent;
                greaterSide = parent && parent->m_greater == node;
                return node;
            }
            parent = node;
            greaterSide = !(key < node->m_key);
            node = greaterSide ? node->m_greater : node->m_smaller;
        }
        return nullptr;
    }
    // Adds `key` unless present. Returns true with `node` the new node, or
    // false with `node` the node already holding the key.
    bool Insert(const T& key, Node*& node) {
        Node* parent = nullptr;
        bool greaterSide = false;
        if (Node* found = Find(key, parent, greaterSide)) {
            node = found;
            return false;
        }
        node = new Node(key, parent);
        if (!parent) {
            m_root = node;
            return true;
        }
        (greaterSide ? parent->m_greater : parent->m_smaller) = node;
        if (parent->m_greater && parent->m_smaller)
            return true; // the parent's height did not change
        parent->m_height = 2;
        Rebalance(parent, node);
        return true;
    }
    // Null when empty.
    const Node* Root() const { return m_root; }

private:
    // 0 for an empty subtree, else 1 + the greater height of the children.
    static int Height(const Node* node) { return node ? node->m_height : 0; }
    static void UpdateHeight(Node* node) {
        node->m_height = 1 + std::max(Height(node->m_greater), Height(node->m_smaller));
    }
    static void SetGreater(Node* node, Node* child) {
        node->m_greater = child;
        if (child)
            child->m_parent = node;
    }
    static void SetSmaller(Node* node, Node* child) {
        node->m_smaller = child;
        if (child)
            child->m_parent = node;
    }
    // Climbs from `reached`, the parent of the new leaf `child`, while the
    // subtree that grew (of known height) is exactly one taller than its
    // sibling; stops where it is not taller, and restructures where it is two
    // taller.
    void Rebalance(Node* reached, Node* child) {
        for (int height = 2; reached->m_parent; ++height) {
            Node* up = reached->m_parent;
            Node* sibling = up->m_greater == reached ? up->m_smaller : up->m_greater;
            const int difference = height - Height(sibling);
            if (difference >= 2)
                Restructure(up, reached, child);
            if (difference != 1)
                return;
            up->m_height = height + 1;
            child = reached;
            reached = up;
        }
    }
    // The three-node restructuring of `z`, its child `y` and y's child `x`:
    // with a < b < c their keys in order and t0 .. t3 their other subtrees
    // from smallest to greatest, b takes z's place with a and c as children.
    void Restructure(Node* z, Node* y, Node* x) {
        struct Trinode {
            Node *a, *b, *c;
            Node* t[4];
        } n;
        const bool ySmaller = z->m_smaller == y;
        const bool xSmaller = y->m_smaller == x;
        if (ySmaller && xSmaller)
            n = {x, y, z, {x->m_smaller, x->m_greater, y->m_greater, z->m_greater}};
        else if (ySmaller)
            n = {y, x, z, {y->m_smaller, x->m_smaller, x->m_greater, z->m_greater}};
        else if (!xSmaller)
            n = {z, y, x, {z->m_smaller, y->m_smaller, x->m_smaller, x->m_greater}};
        else
            n = {z, x, y, {z->m_smaller, x->m_smaller, x->m_greater, y->m_greater}};
        Hang(n.b, z);
        SetSmaller(n.a, n.t[0]);
        SetGreater(n.a, n.t[1]);
        SetSmaller(n.c, n.t[2]);
        SetGreater(n.c, n.t[3]);
        SetSmaller(n.b, n.a);
        SetGreater(n.b, n.c);
        UpdateHeight(n.a);
        UpdateHeight(n.c);
        UpdateHeight(n.b);
    }
    // Puts `node` where `old` hangs (the root, or a child of old's parent).
    void Hang(Node* node, Node* old) {
        Node* parent = old->m_parent;
        node->m_parent = parent;
        if (!parent)
            m_root = node;
        else if (parent->m_smaller == old)
            parent->m_smaller = node;
        else
            parent->m_greater = node;
    }

    Node* m_root = nullptr;
};
