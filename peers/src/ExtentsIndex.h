// ExtentsIndex: the plan extents of every entity of a drawing's model space,
// hashed into a grid, answering "which entities' extents hold this point".
// Internal to the stand-in modules.
//
// Built in one pass over the model space (each entity opened for read once).
// Cells are as large as the mean box; a box that would cover more than
// kMaxCells cells is kept apart and tested on every query. current() keeps the
// index of the drawing last asked about and builds it again only when the
// host's revision of that drawing has moved, so queries between changes cost
// a hash probe each.
#pragma once

#include "CellTable.h"
#include "dbmain.h"

#include <memory>
#include <vector>

namespace hxpeers {

class ExtentsIndex {
public:
    static constexpr int kMaxCells = 64;

    explicit ExtentsIndex(AcDbDatabase* db);

    // The index of db as it stands now (rebuilt when the drawing changed).
    static std::shared_ptr<const ExtentsIndex> current(AcDbDatabase* db);

    // Appends, in drawing order, the ids of the entities whose plan extents
    // hold the plan position of p within tol.
    void hits(const AcGePoint3d& p, double tol, std::vector<AcDbObjectId>& out) const;

private:
    struct Box {
        AcDbObjectId id;
        double x0, y0, x1, y1;
    };

    std::vector<Box> m_boxes;
    CellTable m_cells;
    std::vector<int> m_big;
};

} // namespace hxpeers
