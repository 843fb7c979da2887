// The baseline of the graph benchmark: a plain breadth-first orientation of a
// network given as an edge list over node numbers. It builds an adjacency
// array (counting sort of the edge ends) and walks it from the root, giving
// every edge its upstream and downstream node, as the graph's relation step
// does through its records. Header-only.
#pragma once

#include <vector>

namespace hxbench {

struct PlainNetwork {
    int nodeCount = 0;
    std::vector<int> from, to; // edge k joins from[k] and to[k]
};

// Orients every edge reachable from root towards the root (flow to the
// outlet): down[k] is the downstream node of edge k, -1 when unreached.
// Returns the number of edges oriented.
inline int PlainOrientation(const PlainNetwork& net, int root, std::vector<int>& down) {
    const int n = net.nodeCount;
    const int m = static_cast<int>(net.from.size());
    std::vector<int> first(static_cast<size_t>(n) + 1, 0), adjacent(2 * static_cast<size_t>(m));
    for (int k = 0; k < m; ++k) {
        ++first[net.from[k] + 1];
        ++first[net.to[k] + 1];
    }
    for (int i = 0; i < n; ++i)
        first[i + 1] += first[i];
    std::vector<int> fill(first.begin(), first.end() - 1);
    for (int k = 0; k < m; ++k) {
        adjacent[fill[net.from[k]]++] = k;
        adjacent[fill[net.to[k]]++] = k;
    }
    down.assign(static_cast<size_t>(m), -1);
    std::vector<char> seen(static_cast<size_t>(n), 0);
    std::vector<int> queue{root};
    seen[root] = 1;
    int oriented = 0;
    for (size_t head = 0; head < queue.size(); ++head) {
        const int node = queue[head];
        for (int a = first[node]; a < first[node + 1]; ++a) {
            const int k = adjacent[a];
            const int other = net.from[k] == node ? net.to[k] : net.from[k];
            if (seen[other])
                continue;
            seen[other] = 1;
            down[k] = node;
            ++oriented;
            queue.push_back(other);
        }
    }
    return oriented;
}

} // namespace hxbench
