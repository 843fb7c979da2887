// SampleIndex: a k-d tree over the plan positions of a sample array that
// answers "the first sample after index t (in array order) that lies nearer
// than r to q". Each node knows its box and the smallest and largest array
// index below it, so whole subtrees are passed over when they are too far or
// hold only indices already seen.
//
// Owns copies of the positions; built once, O(n log n); a query costs about
// O(log n) when few samples qualify.
#pragma once

#include "gepnt3d.h"

#include <vector>

namespace hxwt::elevation {

class SampleIndex {
public:
    explicit SampleIndex(const std::vector<AcGePoint3d>& samples);

    // The smallest index i > after with planDistance(q, sample i) < radius
    // (the same distance the scan computes); -1 when there is none.
    int nextWithin(const AcGePoint3d& q, double radius, int after) const;

private:
    struct Node {
        double x0, y0, x1, y1; // box of the subtree
        int minIndex, maxIndex;
        int begin, end; // range in m_order (leaves)
        int left = -1, right = -1;
    };
    int build(int begin, int end, int depth);
    void search(int node, const AcGePoint3d& q, double radius, int after, int& best) const;

    const std::vector<AcGePoint3d>& m_samples;
    std::vector<int> m_order; // sample indices, grouped by leaf, ascending in each
    std::vector<Node> m_nodes;
};

} // namespace hxwt::elevation
