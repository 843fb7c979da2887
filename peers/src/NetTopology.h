// NetTopology: loops and paths over a collected network, from its records.
// Internal to the stand-in modules.
//
// Entities are given by ordinal (their order among the graph's records, gaps
// allowed as entities of kind Other) with their geometry and connection
// lists. Where entities meet they form a
// junction: pipe ends that coincide, and the well, pool or equipment they lie
// on, are one junction (union-find over the pipe ends and the other
// entities). Pipes are the edges between junctions. A loop is a pipe whose
// two ends fall, through other pipes, into one junction set; a path is a
// breadth-first walk over junctions and pipes. Cost: O(n + c) time and memory
// for n entities and c connections, for construction and each query.
#pragma once

#include "NetEntity.h"

#include <vector>

namespace hxpeers {

// Connection lists in compressed rows: the ordinals connected to entity k are
// to[start[k]] .. to[start[k + 1] - 1]; start has one element more than there
// are entities.
struct NetLinks {
    std::vector<int> start{0};
    std::vector<int> to;

    // Closes the row of the next entity.
    void endRow() { start.push_back(static_cast<int>(to.size())); }
};

class NetTopology {
public:
    // ents[k] and the row k of links.
    NetTopology(const std::vector<NetEntity>& ents, const NetLinks& links);

    // True when some pipe closes a loop (a pipe whose ends share a junction
    // counts).
    bool hasLoop() const;
    // The pipes (ordinals) of a shortest path from entity `from` to entity
    // `to`, in order from `from`; pipes given as from or to are the path's
    // first or last pipe. False (pipes empty) when no path of at least one
    // pipe joins them, or from == to.
    bool path(int from, int to, std::vector<int>& pipes) const;

private:
    int find(int v) const;
    void unite(int a, int b);
    void joinEnds(int k, const NetLinks& links);

    const std::vector<NetEntity>& m_ents;
    // Union-find over vertices 2k (the entity, or a pipe's start) and 2k + 1
    // (a pipe's end).
    mutable std::vector<int> m_parent;
};

} // namespace hxpeers
