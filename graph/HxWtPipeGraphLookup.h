// HxWtPipeGraphLookup: the id -> first position index behind the graph's
// FindNodeIndex, FindEdgeIndex, FindNode and FindEdge, and the other state
// the graph keeps for its own walks. Module-internal.
//
// Each of the two lists (nodes, edges) has a mirror of its element slots and
// their ids, and a hash map from id to the position of the first element
// carrying it. The mirror is rebuilt from the list, in one walk that leaves
// the list's cursor alone, whenever the list's revision differs from the one
// indexed (every change made through the list's operations raises it); a
// loader that appends can instead hand each appended element to the index
// (Appended), which takes it only when that append was the one change since
// the index was current. The map is filled for the mirrored elements not yet
// in it at the next lookup. A hit whose element no longer carries the id (an
// element changed after it was indexed) rebuilds. Answers equal a scan from
// the front: the first element with the id wins, null elements are passed
// over.
//
// A lookup may name a position where the caller expects the id (a hint):
// when no id occurred twice in the list as indexed, and the element there was
// indexed with the id and still carries it, that position is the answer the
// map would give, and the map is not probed.
//
// In literal mode the lookups scan the list instead (used only to check the
// index against a plain scan, and to time the two).
//
// Cost: a lookup is O(1) on average (a hint that holds costs no probe of the
// map); a rebuild O(n) with n the list's count; an append taken O(1).
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
    // not null) receives the element or null. hint: where the id is
    // expected, or -1.
    int Find(HxPDList<T>& list, AcDbObjectId id, T** found, bool literal, int hint = -1);
    // Starts loading the table slot that a Find of id will probe (a hint;
    // changes nothing, answers nothing).
    void Prefetch(const AcDbObjectId& id) const { m_first.Prefetch(id); }
    // Indexes list afresh unless the index is current for it (a loader calls
    // it before its first append).
    void Refresh(HxPDList<T>& list);
    // Called right after an element was appended to list: mirrors it when
    // the index was current before the append and nothing else changed;
    // otherwise the next lookup rebuilds.
    void Appended(HxPDList<T>& list);
    // Forgets everything indexed.
    void Clear();

private:
    int Scan(HxPDList<T>& list, AcDbObjectId id, T** found) const;
    bool Stale(HxPDList<T>& list) const;
    void Rebuild(HxPDList<T>& list);
    void Mirror(T** pos);
    void FillMap();
    bool HintHolds(AcDbObjectId id, int hint, T** found) const;
    // False only when no mapped element has the id (a bit per id hash, set
    // for every mapped id: small enough to stay in the cache, so most ids
    // that are no element cost no probe of the map).
    bool MayHold(AcDbObjectId id) const;
    std::size_t FilterBit(AcDbObjectId id) const;
    int Lookup(AcDbObjectId id, T** found) const;

    // An element slot of the list as mirrored: where it is, and whether it
    // held an element and with which id.
    struct Slot {
        T** pos;
        AcDbObjectId id;
        bool present;
    };

    Key m_key;
    std::vector<Slot> m_slots; // the list's element slots, in list order
    std::size_t m_mapped = 0;  // how many of them are in m_first
    bool m_unique = true;      // no id twice among the mapped elements
    HxIdTable m_first;
    std::vector<unsigned long long> m_filter; // bits of mapped ids (power-of-two count)
    unsigned m_filterShift = 64;              // 64 - log2 of the bit count
    const HxPDList<T>* m_list = nullptr;      // the list indexed, at m_revision
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
    // The base record of each loaded node and edge, for the walk that
    // follows the load (emptied when the creation is done).
    HxWtPipeGraphRecords::LoadedRecords loaded;

    // The index of a graph (for the graph's own operations and the switch).
    static HxWtPipeGraphLookup& Of(const HxDbWtPipeGraph& graph) { return *graph.m_lookup; }
};
