// The k-d tree of the indexed elevation queries.
#include "SampleIndex.h"
#include "NearestSlots.h"

#include <algorithm>
#include <cmath>

namespace hxwt::elevation {
namespace {

constexpr int kLeafSize = 8;

// Squared distance from q to the box.
double boxDistance2(const AcGePoint3d& q, double x0, double y0, double x1, double y1) {
    const double dx = q.x < x0 ? x0 - q.x : (q.x > x1 ? q.x - x1 : 0.0);
    const double dy = q.y < y0 ? y0 - q.y : (q.y > y1 ? q.y - y1 : 0.0);
    return dx * dx + dy * dy;
}

// Whether a box at squared distance box2 may hold a sample nearer than d:
// compared with a little room, so that rounding never prunes a box whose
// samples the exact test would accept.
bool mayHoldNearer(double box2, double d) {
    return box2 * (1.0 - 1e-9) <= d * d;
}

} // namespace

SampleIndex::SampleIndex(const std::vector<AcGePoint3d>& samples) : m_samples(samples) {
    std::vector<int> order(samples.size());
    for (size_t i = 0; i < samples.size(); ++i)
        order[i] = static_cast<int>(i);
    if (!samples.empty()) {
        m_nodes.reserve(4 * samples.size() / kLeafSize + 1);
        m_nodes.push_back(Node{});
        build(0, order, 0, static_cast<int>(samples.size()));
    }
    m_leafPoints.reserve(order.size());
    for (int i : order)
        m_leafPoints.push_back(LeafPoint{samples[i].x, samples[i].y, i});
}

// Fills node id with the box of order[begin, end) and splits it, the two
// children taking two adjacent slots.
void SampleIndex::build(int id, std::vector<int>& order, int begin, int end) {
    Node node{};
    node.x0 = node.y0 = HUGE_VAL;
    node.x1 = node.y1 = -HUGE_VAL;
    for (int i = begin; i < end; ++i) {
        const AcGePoint3d& p = m_samples[order[i]];
        node.x0 = std::min(node.x0, p.x);
        node.y0 = std::min(node.y0, p.y);
        node.x1 = std::max(node.x1, p.x);
        node.y1 = std::max(node.y1, p.y);
    }
    node.begin = begin;
    node.end = end;
    if (end - begin <= kLeafSize) {
        std::sort(order.begin() + begin, order.begin() + end);
        m_nodes[id] = node;
        return;
    }
    const bool byX = (node.x1 - node.x0) >= (node.y1 - node.y0);
    const int mid = begin + (end - begin) / 2;
    std::nth_element(order.begin() + begin, order.begin() + mid, order.begin() + end,
                     [&](int a, int b) {
                         const AcGePoint3d &pa = m_samples[a], &pb = m_samples[b];
                         return byX ? pa.x < pb.x : pa.y < pb.y;
                     });
    node.child = static_cast<int>(m_nodes.size());
    m_nodes[id] = node;
    m_nodes.push_back(Node{});
    m_nodes.push_back(Node{});
    build(node.child, order, begin, mid);
    build(node.child + 1, order, mid, end);
}

void SampleIndex::nearest(const AcGePoint3d& q, int k, std::vector<Near>& out) const {
    out.clear(); // the best so far, in order
    if (!m_nodes.empty() && k > 0)
        search(0, q, static_cast<size_t>(k), out);
}

// Puts cand into the ordered best list when it belongs to the k best. k is
// small (a few), so insertion beats a heap.
void SampleIndex::offer(const Near& cand, size_t k, std::vector<Near>& best) {
    if (best.size() == k) {
        if (!(cand < best.back()))
            return;
        best.pop_back();
    }
    auto at = best.end();
    while (at != best.begin() && cand < *(at - 1))
        --at;
    best.insert(at, cand);
}

// Squared plan distances decide which leaf points are worth a square root:
// beyond this bound on the square of the k-th best distance, the rounded
// square root is surely greater than that distance, so the point cannot
// enter (not even by a tie on a smaller index).
void SampleIndex::searchLeaf(const Node& leaf, const AcGePoint3d& q, size_t k,
                             std::vector<Near>& best) const {
    auto bound = [&] {
        const double w = best.back().d;
        return best.size() < k ? HUGE_VAL : w * w * (1.0 + 1e-12);
    };
    double bound2 = best.empty() ? HUGE_VAL : bound();
    for (int i = leaf.begin; i < leaf.end; ++i) {
        const LeafPoint& p = m_leafPoints[i];
        const double dx = p.x - q.x;
        const double dy = p.y - q.y;
        const double d2 = dx * dx + dy * dy;
        if (d2 > bound2)
            continue;
        offer(Near{std::sqrt(d2), p.index}, k, best);
        bound2 = bound();
    }
}

void SampleIndex::search(int id, const AcGePoint3d& q, size_t k, std::vector<Near>& best) const {
    const Node& node = m_nodes[id];
    if (node.child < 0) {
        searchLeaf(node, q, k, best);
        return;
    }
    const Node& l = m_nodes[node.child];
    const Node& r = m_nodes[node.child + 1];
    const double dl = boxDistance2(q, l.x0, l.y0, l.x1, l.y1);
    const double dr = boxDistance2(q, r.x0, r.y0, r.x1, r.y1);
    const bool leftFirst = dl <= dr;
    const int near = leftFirst ? node.child : node.child + 1;
    const int far = leftFirst ? node.child + 1 : node.child;
    if (best.size() < k || mayHoldNearer(leftFirst ? dl : dr, best.back().d))
        search(near, q, k, best);
    if (best.size() < k || mayHoldNearer(leftFirst ? dr : dl, best.back().d))
        search(far, q, k, best);
}

} // namespace hxwt::elevation
