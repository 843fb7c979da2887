// SampleIndex: a k-d tree over the plan positions of a sample array that
// answers "the k samples nearest to q in plan". Distances are the ones the
// one-pass scan computes (planDistance), so equal distances stay equal.
//
// Refers to the caller's sample vector, which must outlive it and not change.
// Built once, O(n log n); a query costs about O(log n + k log k).
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
    // The min(k, n) nearest samples, by distance then array index.
    std::vector<Near> nearest(const AcGePoint3d& q, int k) const;

private:
    struct Node {
        double x0, y0, x1, y1; // box of the subtree
        int begin, end;        // range in m_order (leaves)
        int left = -1, right = -1;
    };
    int build(int begin, int end);
    void search(int node, const AcGePoint3d& q, size_t k, std::vector<Near>& heap) const;

    const std::vector<AcGePoint3d>& m_samples;
    std::vector<int> m_order; // sample indices, grouped by leaf, ascending in each
    std::vector<Node> m_nodes;
};

} // namespace hxwt::elevation
