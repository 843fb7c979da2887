// Helpers shared by the graph's operations: the unit factor, making node and
// edge records from opened entities, the network-pipe test, id sets and the
// connection lists of base records. Module-internal.
#pragma once

#include "HxDbWtPipeGraph.h"

#include "HxIdTable.h"
#include "HxWtDbObject.h"

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

} // namespace HxWtPipeGraphRecords
