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
// the index was current. A bit filter of the mirrored ids is brought up to
// date at the next lookup, the map only at a lookup that needs it once the
// lookups that did without it (reading the mirror from the front, which finds
// what the map would) have read twice the mirror's length in all. A
// hit whose element no longer carries the id (an element changed after it was
// indexed) rebuilds. Answers equal a scan from the front: the first element
// with the id wins, null elements are passed over.
//
// A lookup may name a position where the caller expects the id (a hint):
// when the ids as mirrored are known to be distinct, and the element there
// was mirrored with the id and still carries it, that position is the answer
// the map would give, and the map is not needed. The ids are known to be
// distinct when every element was handed over by a loader that vouches for it
// (its elements come from distinct records of the base, which keeps one
// record per entity), or when the map found no id twice.
//
// In literal mode the lookups scan the list instead (used only to check the
// index against a plain scan, and to time the two).
//
// Cost: a lookup is O(1) on average once the map is filled (a hint that
// holds, or an id the filter rules out, costs no probe of it); before that,
// the lookups that read the mirror cost at most 2n in all, and filling the
// map O(n), with n the list's count; a rebuild O(n); an append taken O(1).
// Memory: about 24 bytes per element for the mirror, one byte for the
// filter, and the map's 32 to 64 once it is filled.
#pragma once

#include "HxDbWtPipeGraph.h"
#include "HxIdTable.h"

#include "graph/IdFilter.h"
#include "graph/ListStamp.h"
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
    // Makes room in the mirror for n elements in all (a loader that knows
    // how many it may append).
    void Reserve(std::size_t n) { m_slots.reserve(n); }
    // Called right after an element was appended to list: mirrors it when
    // the index was current before the append and nothing else changed;
    // otherwise the next lookup rebuilds. distinct: the caller vouches that
    // no other element of the list carries the element's id.
    void Appended(HxPDList<T>& list, bool distinct);
    // Forgets everything indexed.
    void Clear();

private:
    int Scan(HxPDList<T>& list, AcDbObjectId id, T** found) const;
    bool Stale(HxPDList<T>& list) const;
    void Rebuild(HxPDList<T>& list);
    void Mirror(T** pos);
    void FillFilter();
    void FillMap();
    int ScanMirror(AcDbObjectId id, T** found);
    bool HintHolds(AcDbObjectId id, int hint, T** found) const;
    int Lookup(AcDbObjectId id, T** found) const;

    // An element slot of the list as mirrored: where it is, and whether it
    // held an element and with which id.
    struct Slot {
        T** pos;
        AcDbObjectId id;
        bool present;
    };

    Key m_key;
    std::vector<Slot> m_slots;  // the list's element slots, in list order
    std::size_t m_mapped = 0;   // how many of them are in m_first
    std::size_t m_filtered = 0; // how many of them are in m_filter
    std::size_t m_scanned = 0;  // elements read by lookups that scanned the mirror
    bool m_vouched = true;      // every mirrored element was vouched distinct
    bool m_twice = false;       // the map met an id twice
    HxIdTable m_first;
    // The ids of the present mirrored elements, up to m_filtered: most ids
    // that are no element are ruled out without a probe of the map.
    HxWtIdFilter m_filter;
    HxWtListStamp m_stamp; // the list indexed, as it was when indexed
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
