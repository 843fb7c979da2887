// The extents index of a model space (see ExtentsIndex.h).
#include "ExtentsIndex.h"

#include "ModelSpace.h"
#include "RevisionCache.h"
#include "db.h"
#include "hxhost/Drawing.h"

#include <algorithm>
#include <cmath>

namespace hxpeers {
namespace {

double meanSize(double total, std::size_t count) {
    const double mean = count == 0 ? 1.0 : total / static_cast<double>(count);
    return std::isfinite(mean) && mean > 1e-9 ? mean : 1.0;
}

// The index of the drawing last asked about, and the boxes last offered.
struct Cache {
    RevisionCache<ExtentsIndex> indexes;
    const AcDbDatabase* offeredDb = nullptr;
    unsigned long long offeredRevision = 0;
    std::vector<ExtentsIndex::Box> offered;
};

Cache& cache() {
    static Cache s_cache;
    return s_cache;
}

} // namespace

bool ExtentsIndex::boxOf(const AcDbEntity& ent, Box& out) {
    AcDbExtents box;
    if (ent.getGeomExtents(box) != Acad::eOk || box.isEmpty())
        return false;
    const AcGePoint3d lo = box.minPoint(), hi = box.maxPoint();
    out = Box{ent.objectId(), lo.x, lo.y, hi.x, hi.y};
    return true;
}

ExtentsIndex::ExtentsIndex(AcDbDatabase* db, ExtentsIndex* spare) : m_cells(1.0) {
    if (spare != nullptr) {
        reuseStorage(*spare);
        m_boxes = std::move(spare->m_boxes);
        m_boxes.clear();
    }
    m_boxes.reserve(countModelSpaceEntities(db));
    forEachModelSpaceEntity(db, nullptr, [&](const AcDbEntity& ent, int) {
        Box box;
        if (boxOf(ent, box))
            m_boxes.push_back(box);
    });
    buildCells(0.0);
}

ExtentsIndex::ExtentsIndex(std::vector<Box> boxes, ExtentsIndex* spare)
    : m_boxes(std::move(boxes)), m_cells(1.0) {
    if (spare != nullptr)
        reuseStorage(*spare);
    buildCells(0.0);
}

void ExtentsIndex::reuseStorage(ExtentsIndex& spare) {
    m_cells.reuseStorage(spare.m_cells);
    m_big = std::move(spare.m_big);
    m_big.clear();
    m_position = std::move(spare.m_position);
    m_position.Clear();
}

void ExtentsIndex::buildCells(double total) {
    for (const Box& b : m_boxes)
        total += std::max(b.x1 - b.x0, b.y1 - b.y0);
    CellTable cells(4.0 * meanSize(total, m_boxes.size()));
    cells.reuseStorage(m_cells);
    m_cells = std::move(cells);
    const int n = static_cast<int>(m_boxes.size());
    for (int pos = 0; pos < n; ++pos) {
        const Box& b = m_boxes[static_cast<std::size_t>(pos)];
        const double spanX = double(m_cells.cellOf(b.x1)) - double(m_cells.cellOf(b.x0)) + 1.0;
        const double spanY = double(m_cells.cellOf(b.y1)) - double(m_cells.cellOf(b.y0)) + 1.0;
        if (spanX * spanY > kMaxCells)
            m_big.push_back(pos);
    }
    // A box mostly lies in one cell, and neighbours share cells.
    m_cells.build(m_boxes.size() / 4, [this, n](CellTable::Sink& sink) {
        std::size_t big = 0;
        for (int pos = 0; pos < n; ++pos) {
            if (big < m_big.size() && m_big[big] == pos) {
                ++big;
                continue;
            }
            const Box& b = m_boxes[static_cast<std::size_t>(pos)];
            sink.addBox(b.x0, b.y0, b.x1, b.y1, pos);
        }
    });
}

bool ExtentsIndex::keepsChangesSince(AcDbDatabase* db, unsigned long long since) const {
    return changesKeep(db, since,
                       [this](const AcDbObject& obj, bool inSpace) { return keeps(obj, inSpace); });
}

// What is outside the model space (a block's entities, a text style) may
// move the extents of what is in it, so only model-space entities keep.
bool ExtentsIndex::keeps(const AcDbObject& obj, bool inModelSpace) const {
    const AcDbEntity* ent = AcDbEntity::cast(&obj);
    if (ent == nullptr || !inModelSpace)
        return false;
    const int pos = position(obj.objectId());
    Box now;
    if (obj.isErased() || !boxOf(*ent, now))
        return pos < 0;
    if (pos < 0)
        return false;
    const Box& was = m_boxes[static_cast<std::size_t>(pos)];
    return was.id == now.id && was.x0 == now.x0 && was.y0 == now.y0 && was.x1 == now.x1 &&
           was.y1 == now.y1;
}

int ExtentsIndex::position(const AcDbObjectId& id) const {
    if (!m_positioned) {
        m_position.Reserve(m_boxes.size());
        for (int pos = 0; pos < static_cast<int>(m_boxes.size()); ++pos)
            m_position.Set(m_boxes[static_cast<std::size_t>(pos)].id, pos);
        m_positioned = true;
    }
    return m_position.Get(id);
}

void ExtentsIndex::offer(AcDbDatabase* db, unsigned long long revision, std::vector<Box> boxes) {
    Cache& c = cache();
    c.offeredDb = db;
    c.offeredRevision = revision;
    c.offered = std::move(boxes);
}

std::vector<ExtentsIndex::Box> ExtentsIndex::spareBoxes(AcDbDatabase* db) {
    ExtentsIndex* spare = cache().indexes.takeSpare(db);
    if (spare == nullptr)
        return {};
    std::vector<Box> boxes = std::move(spare->m_boxes);
    boxes.clear();
    return boxes;
}

std::shared_ptr<const ExtentsIndex> ExtentsIndex::current(AcDbDatabase* db) {
    Cache& c = cache();
    return c.indexes.current(db, [&c](AcDbDatabase* target, ExtentsIndex* spare) {
        std::shared_ptr<ExtentsIndex> index;
        if (target != nullptr && c.offeredDb == target &&
            c.offeredRevision == hxhost::databaseRevision(target))
            index = std::make_shared<ExtentsIndex>(std::move(c.offered), spare);
        else
            index = std::make_shared<ExtentsIndex>(target, spare);
        std::vector<Box>().swap(c.offered);
        c.offeredDb = nullptr;
        return index;
    });
}

} // namespace hxpeers
