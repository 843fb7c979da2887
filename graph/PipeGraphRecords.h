// Helpers shared by the graph's operations: the unit factor, making node and
// edge records from opened entities, the network-pipe test, id sets and the
// connection lists of base records. Module-internal.
#pragma once

#include "HxDbWtPipeGraph.h"

#include "HxIdTable.h"
#include "HxWtDbObject.h"

#include "graph/ListStamp.h"

#include <cstddef>
#include <vector>

namespace HxWtPipeGraphRecords {

// 0.001 for a drawing in metres, 1.0 for one in millimetres; asked anew on
// every call (the loader converts each value with a fresh query).
double UnitFactor();

// A new edge for the pipe, filled in the loader's order. Never null.
HxDbWtPipeEdge* MakeEdge(const HxDbWtPipe* pipe);
// A new node for a well or a pool (exact class); null for any other entity.
HxDbWtPipeNode* MakeNode(const HxDbEntity* entity);

// True when the entity is exactly a pipe with flag 1 and, with withOutNode
// set, at least two wells are connected to it.
bool IsNetworkPipe(const HxDbEntity* entity, bool withOutNode);

// True when the entity's class is exactly cls (null entity: false).
bool IsExactly(const HxDbEntity* entity, AcRxClass* cls);

// Inserts id into a flat table used as a set (members read 1); true when it
// was new.
bool InsertNew(HxIdTable& set, AcDbObjectId id);

// The ids connected to a base record's entity, in the record's order (empty
// for a null record).
HxDbObjectIdList ConnectedIds(const HxDbPipeGraphEntBase* record);

// Calls f(id) for the ids connected to a base record's entity, in the
// record's order, without copying them, until f returns false (nothing for a
// null record). f must not change the record. False when f stopped the walk.
template <class F> bool ForEachConnected(const HxDbPipeGraphEntBase* record, F f) {
    if (record == nullptr)
        return true;
    auto& ids = const_cast<HxDbObjectIdList&>(record->Connections()); // positions only
    for (AcDbObjectId* id = ids.FirstPos(); id != nullptr; id = ids.NextPos(id)) {
        if (!f(*id))
            return false;
    }
    return true;
}

// The base graph's entity records in list order, taken in one walk of the
// list and handed out again while the list is the same list at the same
// revision (the equipment pass and the loader both walk every record; a
// linked list costs a cache miss per record, a vector of them does not).
// Holds pointers only; the list owns the records.
class RecordSnapshot {
public:
    const std::vector<HxDbPipeGraphEnt*>& Of(HxPDList<HxDbPipeGraphEnt>& list);
    // Forgets the records (and gives back their room).
    void Clear();

private:
    std::vector<HxDbPipeGraphEnt*> m_records;
    HxWtListStamp m_stamp; // the list taken, as it was when taken
};

// Which base record each node and edge was made from, by position, so that
// the walk after a load finds an element's record without asking the base by
// id. The base keeps one record per entity, so the record an element was made
// from is the one the base would answer for the element's id. Answers only
// while the base's record list, the nodes and the edges are the lists they
// were when the load finished, at the same revisions, and the record still
// carries the id asked for; otherwise null, and the caller asks the base.
class LoadedRecords {
public:
    // Starts recording a load into the graph's lists; nothing is recorded
    // unless both are empty.
    void Start(HxDbWtPipeGraph& graph);
    void AddNode(HxDbPipeGraphEnt* record) { Add(m_nodes, record); }
    void AddEdge(HxDbPipeGraphEnt* record) { Add(m_edges, record); }
    // Ends the load: the records answer from now on if one was recorded for
    // every element.
    void Finish(HxDbWtPipeGraph& graph, const HxPDList<HxDbPipeGraphEnt>& records);
    // True when the lists are as they were when the load finished.
    bool Current(HxDbWtPipeGraph& graph, const HxPDList<HxDbPipeGraphEnt>& records) const;
    // The record of the node (edge) at index when it carries id, else null.
    // Only meaningful while Current.
    HxDbPipeGraphEnt* Node(int index, AcDbObjectId id) const { return At(m_nodes, index, id); }
    HxDbPipeGraphEnt* Edge(int index, AcDbObjectId id) const { return At(m_edges, index, id); }
    // Forgets the load (and gives back the room).
    void Clear();

private:
    void Add(std::vector<HxDbPipeGraphEnt*>& to, HxDbPipeGraphEnt* record) {
        if (m_recording)
            to.push_back(record);
    }
    static HxDbPipeGraphEnt* At(const std::vector<HxDbPipeGraphEnt*>& from, int index,
                                AcDbObjectId id) {
        if (index < 0 || static_cast<std::size_t>(index) >= from.size())
            return nullptr;
        HxDbPipeGraphEnt* record = from[static_cast<std::size_t>(index)];
        return record->GetObjectId() == id ? record : nullptr;
    }

    std::vector<HxDbPipeGraphEnt*> m_nodes;
    std::vector<HxDbPipeGraphEnt*> m_edges;
    bool m_recording = false;
    bool m_done = false;
    // The three lists as they were when the load finished.
    HxWtListStamp m_records;
    HxWtListStamp m_nodeList;
    HxWtListStamp m_edgeList;
};

// Calls f(record) for each non-null record in order, loading the records and
// their ids' stubs ahead of the call that needs them (hints only: the order,
// the calls and what f sees are those of a plain loop).
template <class F> void ForEachRecord(const std::vector<HxDbPipeGraphEnt*>& records, F f) {
    constexpr std::size_t kRecordAhead = 16;
    constexpr std::size_t kStubAhead = 8;
    const std::size_t n = records.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i + kRecordAhead < n)
            __builtin_prefetch(records[i + kRecordAhead]);
        if (i + kStubAhead < n && records[i + kStubAhead] != nullptr)
            __builtin_prefetch(records[i + kStubAhead]->GetObjectId().stub());
        if (records[i] != nullptr)
            f(records[i]);
    }
}

} // namespace HxWtPipeGraphRecords
