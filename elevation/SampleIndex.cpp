// The k-d tree of the indexed elevation queries.
#include "SampleIndex.h"
#include "NearestSlots.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace hxwt::elevation {
namespace {

constexpr int kLeafSize = 16;

// The float at or below v (at or above when up), so that a box in floats
// holds the box in doubles.
float outward(double v, bool up) {
    if (v > FLT_MAX)
        return up ? HUGE_VALF : FLT_MAX;
    if (v < -FLT_MAX)
        return up ? -FLT_MAX : -HUGE_VALF;
    float f = static_cast<float>(v);
    if (up && static_cast<double>(f) < v)
        f = std::nextafter(f, HUGE_VALF);
    if (!up && static_cast<double>(f) > v)
        f = std::nextafter(f, -HUGE_VALF);
    return f;
}

// Squared distance from q to the box.
template <class Box> double boxDistance2(const AcGePoint3d& q, const Box& b) {
    const double x0 = b.x0, y0 = b.y0, x1 = b.x1, y1 = b.y1;
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
        m_pairs.reserve(samples.size() / kLeafSize + 2);
        m_pairs.emplace_back();
        build(0, 0, order, 0, static_cast<int>(samples.size()));
    }
    m_plan.reserve(order.size());
    m_index.reserve(order.size());
    for (int i : order) {
        m_plan.push_back(Plan{samples[i].x, samples[i].y});
        m_index.push_back(i);
    }
}

// Fills the node on `side` of `pair` with the box of order[begin, end) and
// splits it, its two children taking a pair of their own.
void SampleIndex::build(int pair, int side, std::vector<int>& order, int begin, int end) {
    double x0 = HUGE_VAL, y0 = HUGE_VAL, x1 = -HUGE_VAL, y1 = -HUGE_VAL;
    for (int i = begin; i < end; ++i) {
        const AcGePoint3d& p = m_samples[order[i]];
        x0 = std::min(x0, p.x);
        y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x);
        y1 = std::max(y1, p.y);
    }
    Node node;
    node.x0 = outward(x0, false);
    node.y0 = outward(y0, false);
    node.x1 = outward(x1, true);
    node.y1 = outward(y1, true);
    node.begin = begin;
    node.end = end;
    if (end - begin <= kLeafSize) {
        std::sort(order.begin() + begin, order.begin() + end);
        m_pairs[pair].side[side] = node;
        return;
    }
    const bool byX = (x1 - x0) >= (y1 - y0);
    const int mid = begin + (end - begin) / 2;
    std::nth_element(order.begin() + begin, order.begin() + mid, order.begin() + end,
                     [&](int a, int b) {
                         const AcGePoint3d &pa = m_samples[a], &pb = m_samples[b];
                         return byX ? pa.x < pb.x : pa.y < pb.y;
                     });
    node.child = static_cast<int>(m_pairs.size());
    m_pairs[pair].side[side] = node;
    m_pairs.emplace_back();
    build(node.child, 0, order, begin, mid);
    build(node.child, 1, order, mid, end);
}

void SampleIndex::nearest(const AcGePoint3d& q, int k, std::vector<Near>& out) const {
    out.clear(); // the best so far, in order
    if (!m_pairs.empty() && k > 0)
        search(m_pairs[0].side[0], q, static_cast<size_t>(k), out);
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
        const Plan& p = m_plan[static_cast<size_t>(i)];
        const double dx = p.x - q.x;
        const double dy = p.y - q.y;
        const double d2 = dx * dx + dy * dy;
        if (d2 > bound2)
            continue;
        offer(Near{std::sqrt(d2), m_index[static_cast<size_t>(i)]}, k, best);
        bound2 = bound();
    }
}

void SampleIndex::search(const Node& node, const AcGePoint3d& q, size_t k,
                         std::vector<Near>& best) const {
    if (node.child < 0) {
        searchLeaf(node, q, k, best);
        return;
    }
    const NodePair& children = m_pairs[static_cast<size_t>(node.child)];
    const double dl = boxDistance2(q, children.side[0]);
    const double dr = boxDistance2(q, children.side[1]);
    const bool leftFirst = dl <= dr;
    const Node& near = children.side[leftFirst ? 0 : 1];
    const Node& far = children.side[leftFirst ? 1 : 0];
    if (best.size() < k || mayHoldNearer(leftFirst ? dl : dr, best.back().d))
        search(near, q, k, best);
    if (best.size() < k || mayHoldNearer(leftFirst ? dr : dl, best.back().d))
        search(far, q, k, best);
}

} // namespace hxwt::elevation
