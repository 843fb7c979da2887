// HxWtPipeGraphLookup: the id -> first position index behind the graph's
// FindNodeIndex, FindEdgeIndex, FindNode and FindEdge. Module-internal.
//
// Each of the two lists (nodes, edges) has a mirror of its element slots and
// a hash map from id to the position of the first element carrying it. The
// mirror is rebuilt from the list, in one walk that leaves the list's cursor
// alone, whenever the list's revision differs from the one indexed (every
// change made through the list's operations raises it); a hit whose element
// no longer carries the id (an element changed after it was indexed) also
// rebuilds. Answers equal a scan from the front: the first element with the id
// wins, null elements are passed over.
//
// In literal mode the lookups scan the list instead (used only to check the
// index against a plain scan, and to time the two).
//
// Cost: a lookup is O(1) on average; a rebuild O(n) with n the list's count.
#pragma once

#include "HxDbWtPipeGraph.h"
#include "HxIdTable.h"

#include "graph/PipeGraphRecords.h"

#include <vector>

template <class T> class HxWtIdPositionIndex {
public:
    using Key = AcDbObjectId T::*;

    explicit HxWtIdPositionIndex(Key key) : m_key(key) {}

    // Position of the first element of list with key id, or -1; *found (when
    // not null) receives the element or null.
    int Find(HxPDList<T>& list, AcDbObjectId id, T** found, bool literal);
    // Starts loading the table slot that a Find of id will probe (a hint;
    // changes nothing, answers nothing).
    void Prefetch(const AcDbObjectId& id) const { m_first.Prefetch(id); }
    // Forgets everything indexed.
    void Clear();

private:
    int Scan(HxPDList<T>& list, AcDbObjectId id, T** found) const;
    bool Stale(HxPDList<T>& list) const;
    void Rebuild(HxPDList<T>& list);
    int Lookup(AcDbObjectId id, T** found) const;

    Key m_key;
    std::vector<T**> m_slots; // the list's element slots, in list order
    HxIdTable m_first;
    const HxPDList<T>* m_list = nullptr; // the list indexed, at m_revision
    unsigned long long m_revision = 0;
};

class HxWtPipeGraphLookup {
public:
    HxWtPipeGraphLookup() : nodes(&HxDbWtPipeNode::entityId), edges(&HxDbWtPipeEdge::pipeId) {}

    HxWtIdPositionIndex<HxDbWtPipeNode> nodes;
    HxWtIdPositionIndex<HxDbWtPipeEdge> edges;
    bool literal = false;
    // The base's entity records in order, for the passes that walk them all
    // during one creation (emptied when the creation has loaded).
    HxWtPipeGraphRecords::RecordSnapshot records;

    // The index of a graph (for the graph's own operations and the switch).
    static HxWtPipeGraphLookup& Of(const HxDbWtPipeGraph& graph) { return *graph.m_lookup; }
};
