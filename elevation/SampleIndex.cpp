// The k-d tree of the indexed elevation queries.
#include "SampleIndex.h"
#include "NearestSlots.h"

#include <algorithm>
#include <cmath>

namespace hxwt::elevation {
namespace {

constexpr int kLeafSize = 8;

// Distance from q to the box, made a little smaller so that rounding never
// prunes a box whose samples the exact test would accept.
double boxDistance(const AcGePoint3d& q, double x0, double y0, double x1, double y1) {
    const double dx = q.x < x0 ? x0 - q.x : (q.x > x1 ? q.x - x1 : 0.0);
    const double dy = q.y < y0 ? y0 - q.y : (q.y > y1 ? q.y - y1 : 0.0);
    return std::sqrt(dx * dx + dy * dy) * (1.0 - 1e-12);
}

} // namespace

SampleIndex::SampleIndex(const std::vector<AcGePoint3d>& samples) : m_samples(samples) {
    m_order.resize(samples.size());
    for (size_t i = 0; i < samples.size(); ++i)
        m_order[i] = static_cast<int>(i);
    if (!samples.empty())
        build(0, static_cast<int>(samples.size()), 0);
}

int SampleIndex::build(int begin, int end, int depth) {
    const int id = static_cast<int>(m_nodes.size());
    m_nodes.push_back(Node{});
    Node node{};
    node.x0 = node.y0 = HUGE_VAL;
    node.x1 = node.y1 = -HUGE_VAL;
    node.minIndex = m_order[begin];
    node.maxIndex = m_order[begin];
    for (int i = begin; i < end; ++i) {
        const AcGePoint3d& p = m_samples[m_order[i]];
        node.x0 = std::min(node.x0, p.x);
        node.y0 = std::min(node.y0, p.y);
        node.x1 = std::max(node.x1, p.x);
        node.y1 = std::max(node.y1, p.y);
        node.minIndex = std::min(node.minIndex, m_order[i]);
        node.maxIndex = std::max(node.maxIndex, m_order[i]);
    }
    node.begin = begin;
    node.end = end;
    if (end - begin > kLeafSize) {
        const bool byX = (node.x1 - node.x0) >= (node.y1 - node.y0) || depth < 0;
        const int mid = begin + (end - begin) / 2;
        std::nth_element(m_order.begin() + begin, m_order.begin() + mid, m_order.begin() + end,
                         [&](int a, int b) {
                             const AcGePoint3d &pa = m_samples[a], &pb = m_samples[b];
                             return byX ? pa.x < pb.x : pa.y < pb.y;
                         });
        node.left = build(begin, mid, depth + 1);
        node.right = build(mid, end, depth + 1);
    } else {
        std::sort(m_order.begin() + begin, m_order.begin() + end);
    }
    m_nodes[id] = node;
    return id;
}

int SampleIndex::nextWithin(const AcGePoint3d& q, double radius, int after) const {
    int best = -1;
    if (!m_nodes.empty())
        search(0, q, radius, after, best);
    return best;
}

void SampleIndex::search(int id, const AcGePoint3d& q, double radius, int after, int& best) const {
    const Node& node = m_nodes[id];
    if (node.maxIndex <= after || (best >= 0 && node.minIndex >= best))
        return;
    if (boxDistance(q, node.x0, node.y0, node.x1, node.y1) >= radius)
        return;
    if (node.left < 0) {
        for (int i = node.begin; i < node.end; ++i) {
            const int s = m_order[i];
            if (s <= after || (best >= 0 && s >= best))
                continue;
            if (planDistance(q, m_samples[s]) < radius) {
                best = s;
                return; // ascending within the leaf: the first hit is the smallest
            }
        }
        return;
    }
    // The child whose indices start lower first, so a small best prunes more.
    const Node& l = m_nodes[node.left];
    const Node& r = m_nodes[node.right];
    const bool leftFirst = std::max(l.minIndex, after + 1) <= std::max(r.minIndex, after + 1);
    search(leftFirst ? node.left : node.right, q, radius, after, best);
    search(leftFirst ? node.right : node.left, q, radius, after, best);
}

} // namespace hxwt::elevation
