// HxDbPipeGraph: collection of one connected network into records, loops,
// paths, record removal, reset and deep copies.
#include "HxMepDbObject.h"

#include "NetTopology.h"
#include "NetworkIndex.h"
#include "PipeGraphIndex.h"

#include <deque>
#include <vector>

namespace {

// Walks an owning list's pointees in order without moving its cursor.
template <class List, class F> void forEachRecord(const List& list, F f) {
    auto& walk = const_cast<List&>(list);
    for (auto pos = walk.FirstPos(); pos != nullptr; pos = walk.NextPos(pos))
        f(**pos);
}

// Removes the first element equal to id from list; false when absent.
bool removeId(HxDbObjectIdList& list, const AcDbObjectId& id) {
    for (list.First(); !list.IsEnd(); list.Next()) {
        if (list.Current() == id) {
            list.RemoveCurrent();
            return true;
        }
    }
    return false;
}

// Removes `record` from an owning list, which deletes it. Its position comes
// from the slot counter; a list changed behind the graph's back is searched.
template <class T>
void removeRecord(HxPDList<T>& list, hxpeers::SlotCounter& slots, int slot, T* record) {
    list.GoTo(slots.before(slot));
    if (list.IsEnd() || list.Current() != record) {
        for (list.First(); !list.IsEnd() && list.Current() != record; list.Next()) {
        }
    }
    if (!list.IsEnd())
        list.RemoveCurrent();
    slots.kill(slot);
}

} // namespace

struct HxDbPipeGraph::Ops {
    // Appends a record (and for equipment an equipment record) for an entity,
    // with the connections fill(list) puts into the record's list; nothing
    // when the entity has a record already (known to have none: `isNew`).
    // With `at`, the record goes into that (null) element of the list instead
    // of a new one at its end.
    template <class Fill>
    static void addRecord(HxDbPipeGraph& g, const hxpeers::NetEntity& geometry, Fill fill,
                          bool isNew = false, HxDbPipeGraphEnt** at = nullptr) {
        Index& x = *g.m_index;
        if (!isNew && x.find(geometry.id) >= 0)
            return;
        Index::Slot slot;
        slot.record = new HxDbPipeGraphEnt(geometry.id);
        fill(slot.record->Connections());
        if (at != nullptr)
            *at = slot.record;
        else
            g.m_entList.Append(slot.record);
        const int number = x.entSlots.push();
        if (geometry.kind == hxpeers::NetKind::Box) {
            slot.equip = new HxDbPipeGraphEquip(geometry.id);
            slot.equip->Connections() = slot.record->Connections();
            g.m_equipList.Append(slot.equip);
            slot.equipSlot = x.equipSlots.push();
        }
        x.slots.push_back(slot);
        x.geometry.push_back(geometry);
        x.slotOf.Set(geometry.id, number);
        x.forgetLinks();
        x.loops = Index::Loops::Unknown;
    }

    // Breadth-first collection from the entity at `seed` of the index: the
    // positions in the order they are reached, with their connections as
    // ranks in that order; then a record for each, in that order. Into an
    // empty graph the ranks are the slots, so the links are known.
    static void collect(HxDbPipeGraph& g, const hxpeers::NetworkIndex& net, int seed) {
        std::vector<int> rank(static_cast<size_t>(net.size()), -1);
        std::vector<int> reached{seed};
        rank[static_cast<size_t>(seed)] = 0;
        hxpeers::NetLinks links;
        // The rows of the entities a few places ahead in the queue are
        // fetched while the current one is read (the index is far larger
        // than the cache at whole-city sizes).
        constexpr size_t kAheadInQueue = 4;
        for (size_t head = 0; head < reached.size(); ++head) {
            if (head + kAheadInQueue < reached.size())
                net.prefetch(reached[head + kAheadInQueue]);
            const int at = reached[head];
            for (const int* c = net.first(at); c != net.last(at); ++c) {
                int& r = rank[static_cast<size_t>(*c)];
                if (r < 0) {
                    r = static_cast<int>(reached.size());
                    reached.push_back(*c);
                }
                links.to.push_back(r);
            }
            links.endRow();
        }
        Index& x = *g.m_index;
        const bool fresh = x.slots.empty();
        x.slotOf.Reserve(x.slots.size() + reached.size());
        x.slots.reserve(x.slots.size() + reached.size());
        x.geometry.reserve(x.geometry.size() + reached.size());
        // Into an empty graph every entity gets a record: the list's nodes
        // are made in one run first, so that they lie side by side rather
        // than between the records' connection lists, and later walks of the
        // list read memory in order.
        HxDbPipeGraphEnt** at = nullptr;
        if (fresh && g.m_entList.Count() == 0) {
            g.m_entList.Extend(static_cast<int>(reached.size()));
            at = g.m_entList.FirstPos();
        }
        // The ids land in random slots of a table larger than the cache:
        // their slots are fetched a few records ahead.
        constexpr size_t kAhead = 8;
        for (size_t i = 0; i < reached.size(); ++i) {
            if (i + kAhead < reached.size())
                x.slotOf.Prefetch(net.at(reached[i + kAhead]).id);
            auto fill = [&](HxDbObjectIdList& ids) {
                for (int k = links.start[i]; k < links.start[i + 1]; ++k)
                    ids.Append(
                        net.at(reached[static_cast<size_t>(links.to[static_cast<size_t>(k)])]).id);
            };
            addRecord(g, net.at(reached[i]), fill, fresh, at); // ids are unique in a drawing
            if (at != nullptr)
                at = g.m_entList.NextPos(at);
        }
        if (!fresh)
            return;
        x.links = std::move(links);
        x.linksKnown = true;
    }

    // The links between the live slots, worked out from the records'
    // connection lists when they are not known.
    static const hxpeers::NetLinks& links(const HxDbPipeGraph& g) {
        Index& x = *g.m_index;
        if (x.linksKnown)
            return x.links;
        hxpeers::NetLinks links;
        for (const Index::Slot& slot : x.slots) {
            if (slot.record != nullptr) {
                auto& list = slot.record->Connections();
                for (AcDbObjectId* pos = list.FirstPos(); pos != nullptr; pos = list.NextPos(pos)) {
                    const int to = x.find(*pos);
                    if (to >= 0)
                        links.to.push_back(to);
                }
            }
            links.endRow();
        }
        x.links = std::move(links);
        x.linksKnown = true;
        return x.links;
    }

    static void copyRecords(HxDbPipeGraph& g, const HxDbPipeGraph& other) {
        const Index& from = *other.m_index;
        forEachRecord(other.m_entList, [&](const HxDbPipeGraphEnt& rec) {
            const int slot = from.find(rec.GetObjectId());
            hxpeers::NetEntity geometry;
            if (slot >= 0)
                geometry = from.geometry[static_cast<size_t>(slot)];
            geometry.id = rec.GetObjectId();
            addRecord(g, geometry, [&](HxDbObjectIdList& ids) { ids = rec.Connections(); });
        });
        forEachRecord(other.m_nodeList, [&](const HxDbPipeGraphNode& n) {
            g.m_nodeList.Append(new HxDbPipeGraphNode(n));
        });
        forEachRecord(other.m_edgeList, [&](const HxDbPipeGraphEdge& e) {
            g.m_edgeList.Append(new HxDbPipeGraphEdge(e));
        });
        forEachRecord(other.m_pathList, [&](const HxDbPipeGraphPath& p) {
            g.m_pathList.Append(new HxDbPipeGraphPath(p));
        });
        g.m_geObjList = other.m_geObjList;
    }
};

HxDbPipeGraph::HxDbPipeGraph() : m_index(new Index) {}

HxDbPipeGraph::HxDbPipeGraph(const HxDbPipeGraph& other) : m_index(new Index) {
    Ops::copyRecords(*this, other);
}

HxDbPipeGraph& HxDbPipeGraph::operator=(const HxDbPipeGraph& other) {
    if (this == &other)
        return *this;
    Reset();
    Ops::copyRecords(*this, other);
    return *this;
}

HxDbPipeGraph::~HxDbPipeGraph() {
    delete m_index;
}

bool HxDbPipeGraph::CreateRelateGraph(AcDbObjectId id) {
    HxDbEntity* ent = nullptr;
    if (acdbOpenObject(ent, id, AcDb::kForRead) != Acad::eOk)
        return false;
    const hxpeers::NetEntity lone = hxpeers::describe(*ent);
    AcDbDatabase* db = ent->database();
    ent->close();
    const std::shared_ptr<const hxpeers::NetworkIndex> net = hxpeers::NetworkIndex::current(db);
    const int seed = net->find(id);
    if (seed < 0)
        Ops::addRecord(*this, lone, [](HxDbObjectIdList&) {});
    else
        Ops::collect(*this, *net, seed);
    return true;
}

bool HxDbPipeGraph::HasLoop() const {
    Index& x = *m_index;
    if (x.loops == Index::Loops::Unknown) {
        const bool some = hxpeers::NetTopology(x.geometry, Ops::links(*this)).hasLoop();
        x.loops = some ? Index::Loops::Some : Index::Loops::None;
    }
    return x.loops == Index::Loops::Some;
}

int HxDbPipeGraph::FindPipePath(AcDbObjectId from, AcDbObjectId to) {
    m_pathList.RemoveAll();
    const int a = m_index->find(from);
    const int b = m_index->find(to);
    if (a < 0 || b < 0)
        return 0;
    std::vector<int> pipes;
    if (!hxpeers::NetTopology(m_index->geometry, Ops::links(*this)).path(a, b, pipes))
        return 0;
    auto* path = new HxDbPipeGraphPath;
    for (int k : pipes)
        path->Pipes().Append(m_index->geometry[static_cast<size_t>(k)].id);
    m_pathList.Append(path);
    return 1;
}

HxDbPipeGraphEnt* HxDbPipeGraph::FindPipeGraphEnt(AcDbObjectId id) const {
    const Index::Slot* slot = m_index->slotFor(id);
    return slot != nullptr ? slot->record : nullptr;
}

bool HxDbPipeGraph::RemoveEnt(const AcDbObjectId& id) {
    Index& x = *m_index;
    const int number = x.find(id);
    if (number < 0)
        return false;
    Index::Slot& slot = x.slots[static_cast<size_t>(number)];
    // Drop the id from the lists of the entities it was connected to.
    auto& connects = slot.record->Connections();
    for (AcDbObjectId* pos = connects.FirstPos(); pos != nullptr; pos = connects.NextPos(pos)) {
        Index::Slot* other = x.slotFor(*pos);
        if (other == nullptr)
            continue;
        removeId(other->record->Connections(), id);
        if (other->equip != nullptr)
            removeId(other->equip->Connections(), id);
    }
    if (slot.equip != nullptr)
        removeRecord(m_equipList, x.equipSlots, slot.equipSlot, slot.equip);
    removeRecord(m_entList, x.entSlots, number, slot.record);
    slot = Index::Slot();
    x.geometry[static_cast<size_t>(number)].kind = hxpeers::NetKind::Other;
    x.slotOf.Set(id, -1);
    x.forgetLinks();
    if (x.loops == Index::Loops::Some)
        x.loops = Index::Loops::Unknown; // removals never make a loop
    return true;
}

void HxDbPipeGraph::Reset() {
    m_entList.RemoveAll();
    m_equipList.RemoveAll();
    m_nodeList.RemoveAll();
    m_edgeList.RemoveAll();
    m_geObjList.RemoveAll();
    m_pathList.RemoveAll();
    m_index->clear();
}
