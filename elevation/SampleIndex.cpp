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
        build(0, static_cast<int>(samples.size()));
}

int SampleIndex::build(int begin, int end) {
    const int id = static_cast<int>(m_nodes.size());
    m_nodes.push_back(Node{});
    Node node{};
    node.x0 = node.y0 = HUGE_VAL;
    node.x1 = node.y1 = -HUGE_VAL;
    for (int i = begin; i < end; ++i) {
        const AcGePoint3d& p = m_samples[m_order[i]];
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
        std::nth_element(m_order.begin() + begin, m_order.begin() + mid, m_order.begin() + end,
                         [&](int a, int b) {
                             const AcGePoint3d &pa = m_samples[a], &pb = m_samples[b];
                             return byX ? pa.x < pb.x : pa.y < pb.y;
                         });
        node.left = build(begin, mid);
        node.right = build(mid, end);
    }
    m_nodes[id] = node;
    return id;
}

std::vector<SampleIndex::Near> SampleIndex::nearest(const AcGePoint3d& q, int k) const {
    std::vector<Near> heap; // max-heap of the best so far
    if (!m_nodes.empty() && k > 0)
        search(0, q, static_cast<size_t>(k), heap);
    std::sort_heap(heap.begin(), heap.end());
    return heap;
}

void SampleIndex::search(int id, const AcGePoint3d& q, size_t k, std::vector<Near>& heap) const {
    const Node& node = m_nodes[id];
    if (heap.size() == k && boxDistance(q, node.x0, node.y0, node.x1, node.y1) > heap.front().d)
        return;
    if (node.left < 0) {
        for (int i = node.begin; i < node.end; ++i) {
            const Near cand{planDistance(q, m_samples[m_order[i]]), m_order[i]};
            if (heap.size() < k) {
                heap.push_back(cand);
                std::push_heap(heap.begin(), heap.end());
            } else if (cand < heap.front()) {
                std::pop_heap(heap.begin(), heap.end());
                heap.back() = cand;
                std::push_heap(heap.begin(), heap.end());
            }
        }
        return;
    }
    const Node& l = m_nodes[node.left];
    const Node& r = m_nodes[node.right];
    const bool leftFirst =
        boxDistance(q, l.x0, l.y0, l.x1, l.y1) <= boxDistance(q, r.x0, r.y0, r.x1, r.y1);
    search(leftFirst ? node.left : node.right, q, k, heap);
    search(leftFirst ? node.right : node.left, q, k, heap);
}

} // namespace hxwt::elevation
