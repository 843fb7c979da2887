// HxDbPipeGraph::Index: the generic graph's lookup state, kept in step with
// its record lists. Internal to the stand-in modules.
//
// One entry per entity record: the record (owned by the entity list), the
// equipment record when there is one (owned by the equipment list), the
// slots that locate both records in their lists after removals, and the
// entity's geometry as collected (for loops and paths). Lookup by id is one
// hash probe.
#pragma once

#include "HxMepDbObject.h"
#include "NetEntity.h"
#include "SlotCounter.h"

#include <unordered_map>

struct HxDbPipeGraph::Index {
    struct Entry {
        HxDbPipeGraphEnt* record = nullptr;
        HxDbPipeGraphEquip* equip = nullptr;
        int slot = -1;
        int equipSlot = -1;
        hxpeers::NetEntity geometry;
    };

    std::unordered_map<AcDbObjectId, Entry> entries;
    hxpeers::SlotCounter entSlots;
    hxpeers::SlotCounter equipSlots;

    Entry* find(const AcDbObjectId& id) {
        auto it = entries.find(id);
        return it == entries.end() ? nullptr : &it->second;
    }
    const Entry* find(const AcDbObjectId& id) const {
        auto it = entries.find(id);
        return it == entries.end() ? nullptr : &it->second;
    }
    void clear() {
        entries.clear();
        entSlots.clear();
        equipSlots.clear();
    }
};
