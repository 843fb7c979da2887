// SampleIndex: a k-d tree over the plan positions of a sample array that
// answers "the k samples nearest to q in plan". Distances are the ones the
// one-pass scan computes (planDistance), so equal distances stay equal.
//
// Refers to the caller's sample vector, which must outlive it and not change.
// Built once, O(n log n); a query costs about O(log n + k log k). The leaves'
// plan positions are copied next to each other in leaf order, so a search
// reads them without going back to the sample array, and the two children of
// a node lie next to each other, so that comparing their boxes reads one
// stretch of memory.
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
        double x0, y0, x1, y1; // box of the subtree
        int begin, end;        // range in m_leafPoints (leaves)
        int child = -1;        // the left child; the right one follows it; -1 for a leaf
    };
    struct LeafPoint {
        double x, y;
        int index; // in the sample array
    };
    void build(int id, std::vector<int>& order, int begin, int end);
    void search(int node, const AcGePoint3d& q, size_t k, std::vector<Near>& best) const;
    void searchLeaf(const Node& leaf, const AcGePoint3d& q, size_t k,
                    std::vector<Near>& best) const;
    static void offer(const Near& cand, size_t k, std::vector<Near>& best);

    const std::vector<AcGePoint3d>& m_samples;
    std::vector<LeafPoint> m_leafPoints; // grouped by leaf, ascending index in each
    std::vector<Node> m_nodes;
};

} // namespace hxwt::elevation
