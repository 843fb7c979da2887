// The extents index of a model space (see ExtentsIndex.h).
#include "ExtentsIndex.h"

#include "ModelSpace.h"
#include "db.h"
#include "RevisionCache.h"

#include <algorithm>
#include <cmath>

namespace hxpeers {
namespace {

double meanSize(double total, std::size_t count) {
    const double mean = count == 0 ? 1.0 : total / static_cast<double>(count);
    return std::isfinite(mean) && mean > 1e-9 ? mean : 1.0;
}

} // namespace

ExtentsIndex::ExtentsIndex(AcDbDatabase* db) : m_cells(1.0) {
    double total = 0.0;
    m_boxes.reserve(countModelSpaceEntities(db));
    forEachModelSpaceEntity(db, nullptr, [&](const AcDbEntity& ent, int) {
        AcDbExtents box;
        if (ent.getGeomExtents(box) != Acad::eOk || box.isEmpty())
            return;
        const AcGePoint3d lo = box.minPoint(), hi = box.maxPoint();
        m_boxes.push_back(Box{ent.objectId(), lo.x, lo.y, hi.x, hi.y});
        total += std::max(hi.x - lo.x, hi.y - lo.y);
    });
    m_cells = CellTable(meanSize(total, m_boxes.size()));
    for (int pos = 0; pos < static_cast<int>(m_boxes.size()); ++pos) {
        const Box& b = m_boxes[static_cast<std::size_t>(pos)];
        const double spanX = double(m_cells.cellOf(b.x1)) - double(m_cells.cellOf(b.x0)) + 1.0;
        const double spanY = double(m_cells.cellOf(b.y1)) - double(m_cells.cellOf(b.y0)) + 1.0;
        if (spanX * spanY > kMaxCells)
            m_big.push_back(pos);
        else
            m_cells.addBox(b.x0, b.y0, b.x1, b.y1, pos);
    }
    m_cells.finish();
}

std::shared_ptr<const ExtentsIndex> ExtentsIndex::current(AcDbDatabase* db) {
    return currentIndex<ExtentsIndex>(db);
}

} // namespace hxpeers
