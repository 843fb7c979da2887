// SampleIndex: a k-d tree over the plan positions of a sample array that
// answers "the k samples nearest to q in plan". Distances are the ones the
// one-pass scan computes (planDistance), so equal distances stay equal.
//
// Refers to the caller's sample vector, which must outlive it and not change.
// Built once, O(n log n); a query costs about O(log n + k log k). Laid out
// for the memory reads of a search: the two children of a node share one
// cache line (their boxes in floats rounded outward, so that a box never
// shrinks), and the leaves' plan positions are copied next to each other in
// leaf order, their sample indices apart, read only for points that enter
// the result.
#pragma once

#include "gepnt3d.h"

#include <cstddef>
#include <vector>

namespace hxwt::elevation {

class SampleIndex {
public:
    explicit SampleIndex(const std::vector<AcGePoint3d>& samples);

    struct Near {
        double d;
        int index;
        bool operator<(const Near& o) const { return d < o.d || (d == o.d && index < o.index); }
    };
    // The min(k, n) nearest samples into `out` (replacing its content), by
    // distance then array index.
    void nearest(const AcGePoint3d& q, int k, std::vector<Near>& out) const;

private:
    struct Node {
        float x0, y0, x1, y1;   // box of the subtree, rounded outward
        int child = -1;         // the pair of children; -1 for a leaf
        int begin = 0, end = 0; // range of a leaf's points
    };
    struct alignas(64) NodePair {
        Node side[2];
    };
    struct Plan {
        double x, y;
    };
    void build(int pair, int side, std::vector<int>& order, int begin, int end);
    void search(const Node& node, const AcGePoint3d& q, size_t k, std::vector<Near>& best) const;
    void searchLeaf(const Node& leaf, const AcGePoint3d& q, size_t k,
                    std::vector<Near>& best) const;
    static void offer(const Near& cand, size_t k, std::vector<Near>& best);

    const std::vector<AcGePoint3d>& m_samples;
    std::vector<NodePair> m_pairs; // pair 0 holds the root on its side 0
    std::vector<Plan> m_plan;      // leaf points grouped by leaf, ascending index in each
    std::vector<int> m_index;      // the sample index of each leaf point
};

} // namespace hxwt::elevation
