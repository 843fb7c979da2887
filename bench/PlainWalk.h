// The baselines of the graph benchmark, two plain implementations of what
// CreateGraph does for a network:
// - PlainOrientation, the bare walk: a network given as an edge list over
//   node numbers; it builds an adjacency array (counting sort of the edge
//   ends) and walks it breadth-first from the root, giving every edge its
//   downstream node, as the graph's relation step does through its records.
// - PlainOrientationFromEnds, the orientation from the drawn network: the
//   pipes' end points are numbered as nodes through a plain hash table keyed
//   by their exact plan coordinates (std::unordered_map, a simple hash of the
//   two doubles' bits), then the same adjacency array and walk. CreateGraph
//   also starts from what is drawn, so this is its honest plain counterpart.
// Header-only.
#pragma once

#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace hxbench {

struct PlainNetwork {
    int nodeCount = 0;
    std::vector<int> from, to; // edge k joins from[k] and to[k]
};

// A pipe's two end points in plan, as drawn.
struct PlainPipe {
    double x0, y0, x1, y1;
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

// An exact plan point as a hash key.
struct PlainPoint {
    double x, y;
    bool operator==(const PlainPoint& o) const { return x == o.x && y == o.y; }
};

struct PlainPointHash {
    size_t operator()(const PlainPoint& p) const {
        std::uint64_t a = 0;
        std::uint64_t b = 0;
        std::memcpy(&a, &p.x, sizeof a);
        std::memcpy(&b, &p.y, sizeof b);
        return static_cast<size_t>((a * 0x9E3779B97F4A7C15ull) ^ (b + (a >> 29)));
    }
};

// Numbers the pipes' end points as nodes (equal plan coordinates, one node;
// numbered in the order first met), then orients as PlainOrientation from the
// node at (rootX, rootY). Returns the number of edges oriented, 0 when no
// pipe ends at the root.
inline int PlainOrientationFromEnds(const std::vector<PlainPipe>& pipes, double rootX, double rootY,
                                    PlainNetwork& net, std::vector<int>& down) {
    std::unordered_map<PlainPoint, int, PlainPointHash> number;
    number.reserve(pipes.size() + 1);
    net.nodeCount = 0;
    net.from.resize(pipes.size());
    net.to.resize(pipes.size());
    auto node = [&](double x, double y) {
        auto it = number.emplace(PlainPoint{x, y}, net.nodeCount).first;
        if (it->second == net.nodeCount)
            ++net.nodeCount;
        return it->second;
    };
    for (size_t k = 0; k < pipes.size(); ++k) {
        net.from[k] = node(pipes[k].x0, pipes[k].y0);
        net.to[k] = node(pipes[k].x1, pipes[k].y1);
    }
    const auto root = number.find(PlainPoint{rootX, rootY});
    if (root == number.end())
        return 0;
    return PlainOrientation(net, root->second, down);
}

} // namespace hxbench
