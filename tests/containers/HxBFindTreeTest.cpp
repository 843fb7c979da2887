// The AVL tree of ids: balance, parent links and order after every insertion,
// the four restructurings, duplicates, and Find's answers.
#include "ContainerTestSupport.h"
#include "HostTest.h"
#include "HxBFindTree.h"

#include <algorithm>
#include <random>
#include <set>

namespace {

using Tree = HxBFindTree<AcDbObjectId>;
using Node = HxBTree<AcDbObjectId>;

class HxBFindTreeTest : public HostTest {
protected:
    // Height of the subtree after checking its balance and parent links;
    // appends its keys in order.
    static int CheckedHeight(const Node* node, const Node* parent,
                             std::vector<AcDbObjectId>& keys) {
        if (!node)
            return 0;
        EXPECT_EQ(node->Parent(), parent);
        const int smaller = CheckedHeight(node->Smaller(), node, keys);
        keys.push_back(node->Key());
        const int greater = CheckedHeight(node->Greater(), node, keys);
        EXPECT_LE(std::abs(smaller - greater), 1);
        return 1 + std::max(smaller, greater);
    }
};

TEST_F(HxBFindTreeTest, InsertionsStayBalancedAndSorted) {
    std::mt19937 rng(11);
    std::vector<int> shuffled(500), ascending(300), descending(300);
    for (int i = 0; i < 500; ++i)
        shuffled[i] = 1 + rng() % 400; // with duplicates
    for (int i = 0; i < 300; ++i)
        ascending[i] = i + 1, descending[i] = 300 - i;
    const std::vector<int> orders[] = {{1, 2, 3}, {3, 2, 1}, {3, 1, 2}, {1, 3, 2},
                                       shuffled,  ascending, descending};
    for (const auto& order : orders) {
        Tree tree;
        std::set<AcDbObjectId> expected;
        for (int k : order) {
            Node* node = nullptr;
            ASSERT_EQ(tree.Insert(IdOf(k), node), expected.insert(IdOf(k)).second) << k;
            ASSERT_EQ(node->Key(), IdOf(k));
            std::vector<AcDbObjectId> keys;
            CheckedHeight(tree.Root(), nullptr, keys);
            ASSERT_EQ(keys, std::vector<AcDbObjectId>(expected.begin(), expected.end()));
        }
        // Each restructuring of three keys puts the middle one on top.
        EXPECT_TRUE(order.size() != 3 || tree.Root()->Key() == IdOf(2));
    }
}

TEST_F(HxBFindTreeTest, FindReportsParentAndSide) {
    Tree tree;
    Node *node = nullptr, *parent = nullptr;
    bool greaterSide = true;
    EXPECT_EQ(tree.Find(IdOf(1), parent, greaterSide), nullptr);
    EXPECT_TRUE(!parent && !greaterSide);
    for (int k : {20, 10, 30, 25})
        tree.Insert(IdOf(k), node);
    const struct {
        int key, parent; // parent 0: none
        bool found, greaterSide;
    } cases[] = {{20, 0, true, false},  {25, 30, true, false}, {30, 20, true, true},
                 {5, 10, false, false}, {27, 25, false, true}, {40, 30, false, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(tree.Find(IdOf(c.key), parent, greaterSide) != nullptr, c.found) << c.key;
        EXPECT_EQ(parent ? parent->Key() : IdOf(0), IdOf(c.parent)) << c.key;
        EXPECT_EQ(greaterSide, c.greaterSide) << c.key;
    }
}

} // namespace
