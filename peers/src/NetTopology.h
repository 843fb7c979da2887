// NetTopology: loops and paths over a collected network, from its records.
// Internal to the stand-in modules.
//
// Entities are given by ordinal (their order among the graph's records) with
// their geometry and connection lists. Where entities meet they form a
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

class NetTopology {
public:
    // ents[k] and conns[k] (ordinals of the entities connected to k).
    NetTopology(const std::vector<NetEntity>& ents, const std::vector<std::vector<int>>& conns);

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
    void joinEnds(int k, const std::vector<int>& conns);

    const std::vector<NetEntity>& m_ents;
    // Union-find over vertices 2k (the entity, or a pipe's start) and 2k + 1
    // (a pipe's end).
    mutable std::vector<int> m_parent;
};

} // namespace hxpeers
