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
        build(order, 0, static_cast<int>(samples.size()));
    }
    m_leafPoints.reserve(order.size());
    for (int i : order)
        m_leafPoints.push_back(LeafPoint{samples[i].x, samples[i].y, i});
}

int SampleIndex::build(std::vector<int>& order, int begin, int end) {
    const int id = static_cast<int>(m_nodes.size());
    m_nodes.push_back(Node{});
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
    if (end - begin > kLeafSize) {
        const bool byX = (node.x1 - node.x0) >= (node.y1 - node.y0);
        const int mid = begin + (end - begin) / 2;
        std::nth_element(order.begin() + begin, order.begin() + mid, order.begin() + end,
                         [&](int a, int b) {
                             const AcGePoint3d &pa = m_samples[a], &pb = m_samples[b];
                             return byX ? pa.x < pb.x : pa.y < pb.y;
                         });
        node.left = build(order, begin, mid);
        node.right = build(order, mid, end);
    } else {
        std::sort(order.begin() + begin, order.begin() + end);
    }
    m_nodes[id] = node;
    return id;
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

void SampleIndex::search(int id, const AcGePoint3d& q, size_t k, std::vector<Near>& best) const {
    const Node& node = m_nodes[id];
    if (node.left < 0) {
        for (int i = node.begin; i < node.end; ++i) {
            const LeafPoint& p = m_leafPoints[i];
            const double dx = p.x - q.x;
            const double dy = p.y - q.y;
            offer(Near{std::sqrt(dx * dx + dy * dy), p.index}, k, best);
        }
        return;
    }
    const Node& l = m_nodes[node.left];
    const Node& r = m_nodes[node.right];
    const double dl = boxDistance2(q, l.x0, l.y0, l.x1, l.y1);
    const double dr = boxDistance2(q, r.x0, r.y0, r.x1, r.y1);
    const bool leftFirst = dl <= dr;
    const int near = leftFirst ? node.left : node.right;
    const int far = leftFirst ? node.right : node.left;
    if (best.size() < k || mayHoldNearer(leftFirst ? dl : dr, best.back().d))
        search(near, q, k, best);
    if (best.size() < k || mayHoldNearer(leftFirst ? dr : dl, best.back().d))
        search(far, q, k, best);
}

} // namespace hxwt::elevation
