// Loops and paths over a collected network (see NetTopology.h).
#include "NetTopology.h"

#include <algorithm>
#include <deque>
#include <numeric>

namespace hxpeers {

namespace {

bool isPipe(const NetEntity& e) {
    return e.kind == NetKind::Pipe;
}

// The point of a pipe's end: 0 the start, 1 the end.
const AcGePoint3d& endPoint(const NetEntity& pipe, int end) {
    return end == 0 ? pipe.a : pipe.b;
}

} // namespace

NetTopology::NetTopology(const std::vector<NetEntity>& ents, const NetLinks& links)
    : m_ents(ents), m_parent(2 * ents.size()) {
    std::iota(m_parent.begin(), m_parent.end(), 0);
    for (int k = 0; k < static_cast<int>(ents.size()); ++k) {
        if (isPipe(ents[static_cast<size_t>(k)]))
            joinEnds(k, links);
    }
}

int NetTopology::find(int v) const {
    while (m_parent[static_cast<size_t>(v)] != v) {
        int& up = m_parent[static_cast<size_t>(v)];
        up = m_parent[static_cast<size_t>(up)];
        v = up;
    }
    return v;
}

void NetTopology::unite(int a, int b) {
    a = find(a);
    b = find(b);
    if (a != b)
        m_parent[static_cast<size_t>(std::max(a, b))] = std::min(a, b);
}

// Joins each end of pipe k with whatever it meets: the matching end of
// another pipe, or the well, pool or equipment itself.
void NetTopology::joinEnds(int k, const NetLinks& links) {
    const NetEntity& pipe = m_ents[static_cast<size_t>(k)];
    const int first = links.start[static_cast<size_t>(k)];
    const int last = links.start[static_cast<size_t>(k) + 1];
    for (int end = 0; end < 2; ++end) {
        const AcGePoint3d& p = endPoint(pipe, end);
        for (int i = first; i < last; ++i) {
            const int c = links.to[static_cast<size_t>(i)];
            const NetEntity& other = m_ents[static_cast<size_t>(c)];
            if (!isPipe(other)) {
                if (meetsPipeEnd(other, p))
                    unite(2 * k + end, 2 * c);
                continue;
            }
            for (int otherEnd = 0; otherEnd < 2; ++otherEnd) {
                if (planMeet(endPoint(other, otherEnd), p))
                    unite(2 * k + end, 2 * c + otherEnd);
            }
        }
    }
}

bool NetTopology::hasLoop() const {
    NetTopology joined = *this;
    for (int k = 0; k < static_cast<int>(m_ents.size()); ++k) {
        if (!isPipe(m_ents[static_cast<size_t>(k)]))
            continue;
        if (joined.find(2 * k) == joined.find(2 * k + 1))
            return true;
        joined.unite(2 * k, 2 * k + 1);
    }
    return false;
}

bool NetTopology::path(int from, int to, std::vector<int>& pipes) const {
    pipes.clear();
    const int n = static_cast<int>(m_ents.size());
    if (from == to || from < 0 || to < 0 || from >= n || to >= n)
        return false;
    // Vertices: junction roots 0 .. 2n-1 and pipe k as 2n + k. Junction ->
    // pipes adjacency in compressed rows, pipes in record order.
    std::vector<int> rowStart(2 * static_cast<size_t>(n) + 1, 0);
    for (int k = 0; k < n; ++k) {
        if (!isPipe(m_ents[static_cast<size_t>(k)]))
            continue;
        ++rowStart[static_cast<size_t>(find(2 * k)) + 1];
        ++rowStart[static_cast<size_t>(find(2 * k + 1)) + 1];
    }
    std::partial_sum(rowStart.begin(), rowStart.end(), rowStart.begin());
    std::vector<int> fill(rowStart.begin(), rowStart.end() - 1);
    std::vector<int> rows(static_cast<size_t>(rowStart.back()));
    for (int k = 0; k < n; ++k) {
        if (!isPipe(m_ents[static_cast<size_t>(k)]))
            continue;
        rows[static_cast<size_t>(fill[static_cast<size_t>(find(2 * k))]++)] = k;
        rows[static_cast<size_t>(fill[static_cast<size_t>(find(2 * k + 1))]++)] = k;
    }
    auto vertexOf = [&](int k) {
        return isPipe(m_ents[static_cast<size_t>(k)]) ? 2 * n + k : find(2 * k);
    };
    const int source = vertexOf(from), target = vertexOf(to);
    if (source == target)
        return false;
    std::vector<int> came(3 * static_cast<size_t>(n), -2);
    std::deque<int> queue{source};
    came[static_cast<size_t>(source)] = -1;
    auto visit = [&](int v, int prev) {
        if (came[static_cast<size_t>(v)] != -2)
            return;
        came[static_cast<size_t>(v)] = prev;
        queue.push_back(v);
    };
    while (!queue.empty() && came[static_cast<size_t>(target)] == -2) {
        const int v = queue.front();
        queue.pop_front();
        if (v >= 2 * n) {
            visit(find(2 * (v - 2 * n)), v);
            visit(find(2 * (v - 2 * n) + 1), v);
            continue;
        }
        for (int i = rowStart[static_cast<size_t>(v)]; i < rowStart[static_cast<size_t>(v) + 1];
             ++i)
            visit(2 * n + rows[static_cast<size_t>(i)], v);
    }
    if (came[static_cast<size_t>(target)] == -2)
        return false;
    for (int v = target; v != -1; v = came[static_cast<size_t>(v)]) {
        if (v >= 2 * n)
            pipes.push_back(v - 2 * n);
    }
    std::reverse(pipes.begin(), pipes.end());
    return !pipes.empty();
}

} // namespace hxpeers
