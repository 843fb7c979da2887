// The model-space network index (see NetworkIndex.h).
#include "NetworkIndex.h"

#include "ExtentsIndex.h"
#include "ModelSpace.h"
#include "RevisionCache.h"
#include "dbapserv.h"
#include "hxhost/Drawing.h"

#include <algorithm>
#include <cmath>

namespace hxpeers {

namespace {

void sortUnique(std::vector<int>& v) {
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
}

bool finiteBox(const NetEntity& e) {
    return std::isfinite(e.a.x) && std::isfinite(e.a.y) && std::isfinite(e.b.x) &&
           std::isfinite(e.b.y);
}

// The box grid's cell size: the largest plan dimension of any box, so that a
// box touches at most three cells per axis.
double boxCellSize(const std::vector<NetEntity>& ents) {
    double size = 1000.0 * HxGeTolerance();
    for (const NetEntity& e : ents) {
        if (e.kind == NetKind::Box && finiteBox(e))
            size = std::max({size, e.b.x - e.a.x, e.b.y - e.a.y});
    }
    return size;
}

bool sameEntity(const NetEntity& x, const NetEntity& y) {
    auto samePoint = [](const AcGePoint3d& p, const AcGePoint3d& q) {
        return p.x == q.x && p.y == q.y && p.z == q.z;
    };
    return x.id == y.id && x.cls == y.cls && x.kind == y.kind && samePoint(x.a, y.a) &&
           samePoint(x.b, y.b);
}

} // namespace

// Point cells of 64 tolerances: a lookup box (two tolerances wide) nearly
// always falls into one cell, and coincident points share it.
// When db is the working drawing, the same walk gathers every entity's plan
// extents for the extents index, which the first hit test would otherwise
// build by opening every entity again.
NetworkIndex::NetworkIndex(AcDbDatabase* db, NetworkIndex* spare)
    : m_points(64.0 * HxGeTolerance()), m_boxes(1.0) {
    if (spare != nullptr)
        reuseStorage(*spare);
    // A first index reserves from the entity count; a rebuilt one has the
    // room of the index it replaces, and grows past it only when the drawing
    // did.
    const std::size_t count = m_ents.capacity() == 0 ? countModelSpaceEntities(db) : 0;
    m_ents.reserve(count);
    const bool working = db != nullptr && db == acdbHostApplicationServices()->workingDatabase();
    const unsigned long long revision = hxhost::databaseRevision(db);
    std::vector<ExtentsIndex::Box> extents;
    if (working) {
        extents = ExtentsIndex::spareBoxes(db);
        extents.reserve(count);
    }
    const AcRxClass* product = HxDbEntity::desc();
    forEachModelSpaceEntity(
        db, working ? nullptr : product,
        [&](const AcDbEntity& ent, int) {
            ExtentsIndex::Box box;
            if (working && ExtentsIndex::boxOf(ent, box))
                extents.push_back(box);
            if (working && !ent.isKindOf(product))
                return;
            const NetEntity net = describe(static_cast<const HxDbEntity&>(ent));
            if (net.kind != NetKind::Other)
                m_ents.push_back(net);
        },
        &m_walk);
    if (working && hxhost::databaseRevision(db) == revision)
        ExtentsIndex::offer(db, revision, std::move(extents));
    buildPositions();
    buildHashes();
}

void NetworkIndex::reuseStorage(NetworkIndex& spare) {
    m_ents = std::move(spare.m_ents);
    m_ents.clear();
    m_position = std::move(spare.m_position);
    m_position.Clear();
    m_points.reuseStorage(spare.m_points);
    m_boxes.reuseStorage(spare.m_boxes);
    m_walk = std::move(spare.m_walk);
    m_links = std::move(spare.m_links);
    m_links.start.assign(1, 0);
    m_links.to.clear();
}

std::shared_ptr<const NetworkIndex> NetworkIndex::current(AcDbDatabase* db) {
    return currentIndex<NetworkIndex>(db);
}

bool NetworkIndex::keepsChangesSince(AcDbDatabase* db, unsigned long long since) const {
    return changesKeep(db, since,
                       [this](const AcDbObject& obj, bool inSpace) { return keeps(obj, inSpace); });
}

bool NetworkIndex::keeps(const AcDbObject& obj, bool inModelSpace) const {
    const int pos = find(obj.objectId());
    const HxDbEntity* ent = HxDbEntity::cast(&obj);
    if (!inModelSpace || obj.isErased() || ent == nullptr)
        return pos < 0;
    const NetEntity now = describe(*ent);
    if (now.kind == NetKind::Other)
        return pos < 0;
    return pos >= 0 && sameEntity(at(pos), now);
}

// Filled after the walk in one run, each slot prefetched a few keys ahead:
// the table is far larger than the cache at whole-city sizes.
void NetworkIndex::buildPositions() {
    constexpr int kAhead = 8;
    m_position.Reserve(m_ents.size());
    const int n = size();
    for (int pos = 0; pos < n; ++pos) {
        if (pos + kAhead < n)
            m_position.Prefetch(at(pos + kAhead).id);
        m_position.Set(at(pos).id, pos); // ids are unique in a drawing
    }
}

int NetworkIndex::find(const AcDbObjectId& id) const {
    return m_position.Get(id);
}

void NetworkIndex::buildHashes() {
    CellTable boxes(boxCellSize(m_ents));
    boxes.reuseStorage(m_boxes);
    m_boxes = std::move(boxes);
    // Pipe ends mostly share the cell of a well, or of one another.
    m_points.build(m_ents.size() / 2, [this](CellTable::Sink& sink) {
        for (int pos = 0; pos < size(); ++pos) {
            const NetEntity& e = at(pos);
            // pointEntries(e) entries: a pipe's start and end, a point's location.
            if (pointEntries(e) > 0)
                sink.add(Cell{m_points.cellOf(e.a.x), m_points.cellOf(e.a.y)}, pos);
            if (pointEntries(e) > 1)
                sink.add(Cell{m_points.cellOf(e.b.x), m_points.cellOf(e.b.y)}, pos);
        }
    });
    m_boxes.build(0, [this](CellTable::Sink& sink) {
        for (int pos = 0; pos < size(); ++pos) {
            const NetEntity& e = at(pos);
            if (e.kind == NetKind::Box && finiteBox(e))
                sink.addBox(e.a.x, e.a.y, e.b.x, e.b.y, pos);
        }
    });
    buildLinks(pipesInBoxes());
}

// Equipment learns its pipes from the pipes' side: one grid probe per end.
NetworkIndex::BoxPipes NetworkIndex::pipesInBoxes() const {
    BoxPipes boxPipes;
    if (m_boxes.empty())
        return boxPipes;
    const double tol = HxGeTolerance();
    for (int pos = 0; pos < size(); ++pos) {
        const NetEntity& pipe = at(pos);
        if (pipe.kind != NetKind::Pipe)
            continue;
        for (const AcGePoint3d& end : {pipe.a, pipe.b}) {
            m_boxes.forEachIn(end.x - tol, end.y - tol, end.x + tol, end.y + tol, [&](int box) {
                if (planHolds(at(box).a, at(box).b, end))
                    boxPipes[box].push_back(pos);
            });
        }
    }
    for (auto& entry : boxPipes)
        sortUnique(entry.second);
    return boxPipes;
}

// Entities are probed in the order their points went into the cell table,
// so each end's lookup reads its own cell's run without probing the table.
void NetworkIndex::buildLinks(const BoxPipes& boxPipes) {
    const int n = size();
    m_links.start.reserve(static_cast<size_t>(n) + 1);
    m_links.to.reserve(2 * static_cast<size_t>(n));
    std::vector<int> row;
    std::size_t entry = 0; // the first point entry of the entity at pos
    for (int pos = 0; pos < n; ++pos) {
        probe(pos, entry, boxPipes, row);
        m_links.to.insert(m_links.to.end(), row.begin(), row.end());
        m_links.endRow();
        entry += static_cast<std::size_t>(pointEntries(at(pos)));
    }
}

int NetworkIndex::pointEntries(const NetEntity& e) {
    return e.kind == NetKind::Pipe ? 2 : e.kind == NetKind::Point ? 1 : 0;
}

void NetworkIndex::atPipeEnd(const AcGePoint3d& p, int self, std::size_t entry,
                             std::vector<int>& out) const {
    const size_t from = out.size();
    const double tol = HxGeTolerance();
    auto consider = [&](int pos) {
        if (pos != self && meetsPipeEnd(at(pos), p))
            out.push_back(pos);
    };
    m_points.forEachNearEntry(entry, p.x - tol, p.y - tol, p.x + tol, p.y + tol, consider);
    m_boxes.forEachIn(p.x - tol, p.y - tol, p.x + tol, p.y + tol, consider);
    std::sort(out.begin() + static_cast<std::ptrdiff_t>(from), out.end());
    out.erase(std::unique(out.begin() + static_cast<std::ptrdiff_t>(from), out.end()), out.end());
}

void NetworkIndex::pipesAtPoint(int pos, std::size_t entry, std::vector<int>& out) const {
    out.clear();
    const AcGePoint3d& p = at(pos).a;
    const double tol = HxGeTolerance();
    m_points.forEachNearEntry(entry, p.x - tol, p.y - tol, p.x + tol, p.y + tol, [&](int other) {
        const NetEntity& o = at(other);
        if (o.kind == NetKind::Pipe && (planMeet(p, o.a) || planMeet(p, o.b)))
            out.push_back(other);
    });
    sortUnique(out);
}

void NetworkIndex::prefetch(int pos) const {
    __builtin_prefetch(first(pos));
}

void NetworkIndex::connections(int pos, std::vector<int>& out) const {
    out.assign(first(pos), last(pos));
}

void NetworkIndex::probe(int pos, std::size_t entry, const BoxPipes& boxPipes,
                         std::vector<int>& out) const {
    out.clear();
    const NetEntity& e = at(pos);
    if (e.kind == NetKind::Point) {
        pipesAtPoint(pos, entry, out);
        return;
    }
    if (e.kind == NetKind::Box) {
        auto it = boxPipes.find(pos);
        if (it != boxPipes.end())
            out = it->second;
        return;
    }
    if (e.kind != NetKind::Pipe)
        return;
    atPipeEnd(e.a, pos, entry, out);
    const auto atStart = static_cast<std::ptrdiff_t>(out.size());
    atPipeEnd(e.b, pos, entry + 1, out);
    // What meets both ends is listed once, at the start.
    const auto startEnd = out.begin() + atStart;
    out.erase(std::remove_if(
                  startEnd, out.end(),
                  [&](int other) { return std::find(out.begin(), startEnd, other) != startEnd; }),
              out.end());
}

} // namespace hxpeers
