// HxDbPipeGraph::Index: the generic graph's lookup state, kept in step with
// its record lists. Internal to the stand-in modules.
//
// Every entity record gets a slot, numbered in the order records are
// appended; a removed record leaves its slot dead. Per slot: the record (owned
// by the entity list), its equipment record when there is one (owned by the
// equipment list) and the entity's geometry as collected (kind Other once
// dead), so the live slots in ascending order are the entity list in order.
// The slot counters give a record's current position in its list after
// removals. Lookup by id is one hash probe.
//
// The connections between slots (links) and whether the records hold a loop
// are kept while they are known: a collection into an empty graph knows its
// links; any other change forgets them. Removing records cannot make a loop,
// so "no loop" survives removals.
#pragma once

#include "HxIdTable.h"
#include "HxMepDbObject.h"
#include "NetEntity.h"
#include "NetTopology.h"
#include "SlotCounter.h"

#include <vector>

struct HxDbPipeGraph::Index {
    struct Slot {
        HxDbPipeGraphEnt* record = nullptr; // null once removed
        HxDbPipeGraphEquip* equip = nullptr;
        int equipSlot = -1;
    };
    enum class Loops { Unknown, None, Some };

    HxIdTable slotOf; // live ids; removed ones read -1
    std::vector<Slot> slots;
    std::vector<hxpeers::NetEntity> geometry; // by slot
    hxpeers::SlotCounter entSlots;
    hxpeers::SlotCounter equipSlots;
    hxpeers::NetLinks links; // by slot, valid when linksKnown
    bool linksKnown = false;
    Loops loops = Loops::Unknown;

    // The slot of a live id, or -1.
    int find(const AcDbObjectId& id) const { return slotOf.Get(id); }
    Slot* slotFor(const AcDbObjectId& id) {
        const int slot = find(id);
        return slot < 0 ? nullptr : &slots[static_cast<size_t>(slot)];
    }
    // Links are only ever held while known, so forgetting unknown ones is a
    // no-op (collection appends many records in a row).
    void forgetLinks() {
        if (!linksKnown)
            return;
        linksKnown = false;
        links = hxpeers::NetLinks();
    }
    void clear() {
        slotOf.Clear();
        slots.clear();
        geometry.clear();
        entSlots.clear();
        equipSlots.clear();
        forgetLinks();
        loops = Loops::Unknown;
    }
};
