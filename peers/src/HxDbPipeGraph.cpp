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
    // Adds a record (and for equipment an equipment record) for an entity
    // and its connection ids; nothing when the entity has a record already.
    static void addRecord(HxDbPipeGraph& g, const hxpeers::NetEntity& geometry,
                          const HxDbObjectIdList& connects) {
        if (g.m_index->find(geometry.id) != nullptr)
            return;
        Index::Entry entry;
        entry.geometry = geometry;
        entry.record = new HxDbPipeGraphEnt(geometry.id);
        entry.record->Connections() = connects;
        g.m_entList.Append(entry.record);
        entry.slot = g.m_index->entSlots.push();
        if (geometry.kind == hxpeers::NetKind::Box) {
            entry.equip = new HxDbPipeGraphEquip(geometry.id);
            entry.equip->Connections() = connects;
            g.m_equipList.Append(entry.equip);
            entry.equipSlot = g.m_index->equipSlots.push();
        }
        g.m_index->entries.emplace(geometry.id, entry);
    }

    // Breadth-first collection from the entity at `seed` of the index.
    static void collect(HxDbPipeGraph& g, const hxpeers::NetworkIndex& net, int seed) {
        std::vector<char> seen(static_cast<size_t>(net.size()), 0);
        std::deque<int> queue{seed};
        seen[static_cast<size_t>(seed)] = 1;
        std::vector<int> conns;
        HxDbObjectIdList ids;
        g.m_index->entries.reserve(g.m_index->entries.size() + static_cast<size_t>(net.size()));
        while (!queue.empty()) {
            const int pos = queue.front();
            queue.pop_front();
            net.connections(pos, conns);
            ids.RemoveAll();
            for (int c : conns) {
                ids.Append(net.at(c).id);
                if (!seen[static_cast<size_t>(c)]) {
                    seen[static_cast<size_t>(c)] = 1;
                    queue.push_back(c);
                }
            }
            addRecord(g, net.at(pos), ids);
        }
    }

    // The records as the topology sees them: geometry and connection
    // ordinals in record order; ordinal of each id in `ordinals`.
    struct Snapshot {
        std::vector<hxpeers::NetEntity> ents;
        std::vector<std::vector<int>> conns;
        std::unordered_map<AcDbObjectId, int> ordinals;
    };

    static void snapshot(const HxDbPipeGraph& g, Snapshot& out) {
        forEachRecord(g.m_entList, [&](const HxDbPipeGraphEnt& rec) {
            const Index::Entry* entry = g.m_index->find(rec.GetObjectId());
            hxpeers::NetEntity geometry;
            if (entry != nullptr)
                geometry = entry->geometry;
            geometry.id = rec.GetObjectId();
            out.ordinals.emplace(geometry.id, static_cast<int>(out.ents.size()));
            out.ents.push_back(geometry);
        });
        out.conns.resize(out.ents.size());
        size_t k = 0;
        forEachRecord(g.m_entList, [&](const HxDbPipeGraphEnt& rec) {
            auto& list = const_cast<HxDbObjectIdList&>(rec.Connections());
            for (AcDbObjectId* pos = list.FirstPos(); pos != nullptr; pos = list.NextPos(pos)) {
                auto it = out.ordinals.find(*pos);
                if (it != out.ordinals.end())
                    out.conns[k].push_back(it->second);
            }
            ++k;
        });
    }

    static void copyRecords(HxDbPipeGraph& g, const HxDbPipeGraph& other) {
        forEachRecord(other.m_entList, [&](const HxDbPipeGraphEnt& rec) {
            const Index::Entry* entry = other.m_index->find(rec.GetObjectId());
            hxpeers::NetEntity geometry;
            if (entry != nullptr)
                geometry = entry->geometry;
            geometry.id = rec.GetObjectId();
            addRecord(g, geometry, rec.Connections());
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
        Ops::addRecord(*this, lone, HxDbObjectIdList());
    else
        Ops::collect(*this, *net, seed);
    return true;
}

bool HxDbPipeGraph::HasLoop() const {
    Ops::Snapshot snap;
    Ops::snapshot(*this, snap);
    return hxpeers::NetTopology(snap.ents, snap.conns).hasLoop();
}

int HxDbPipeGraph::FindPipePath(AcDbObjectId from, AcDbObjectId to) {
    m_pathList.RemoveAll();
    Ops::Snapshot snap;
    Ops::snapshot(*this, snap);
    auto a = snap.ordinals.find(from);
    auto b = snap.ordinals.find(to);
    if (a == snap.ordinals.end() || b == snap.ordinals.end())
        return 0;
    std::vector<int> pipes;
    if (!hxpeers::NetTopology(snap.ents, snap.conns).path(a->second, b->second, pipes))
        return 0;
    auto* path = new HxDbPipeGraphPath;
    for (int k : pipes)
        path->Pipes().Append(snap.ents[static_cast<size_t>(k)].id);
    m_pathList.Append(path);
    return 1;
}

HxDbPipeGraphEnt* HxDbPipeGraph::FindPipeGraphEnt(AcDbObjectId id) const {
    const Index::Entry* entry = m_index->find(id);
    return entry ? entry->record : nullptr;
}

bool HxDbPipeGraph::RemoveEnt(const AcDbObjectId& id) {
    Index::Entry* entry = m_index->find(id);
    if (entry == nullptr)
        return false;
    // Drop the id from the lists of the entities it was connected to.
    auto& connects = entry->record->Connections();
    for (AcDbObjectId* pos = connects.FirstPos(); pos != nullptr; pos = connects.NextPos(pos)) {
        Index::Entry* other = m_index->find(*pos);
        if (other == nullptr)
            continue;
        removeId(other->record->Connections(), id);
        if (other->equip != nullptr)
            removeId(other->equip->Connections(), id);
    }
    if (entry->equip != nullptr)
        removeRecord(m_equipList, m_index->equipSlots, entry->equipSlot, entry->equip);
    removeRecord(m_entList, m_index->entSlots, entry->slot, entry->record);
    m_index->entries.erase(id);
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
