// ExtentsIndex: the plan extents of every entity of a drawing's model space,
// hashed into a grid, answering "which entities' extents hold this point".
// Internal to the stand-in modules.
//
// Built in one pass over the model space (each entity opened for read once),
// or from the boxes that another walk of the same drawing at the same revision
// gathered (the network index does, so that a drawing is walked once for both).
// Cells are four times as large as the mean box: a point query then mostly
// reads one cell, in a table a few times smaller than with cells of the mean
// box, for a few more candidates (each tested against its box). A box that
// would cover more than kMaxCells cells is kept apart and tested on every
// query. current() keeps the
// index of the drawing last asked about and builds it again only when the
// drawing changed in a way the index sees (a model-space entity's extents,
// one added or erased, or anything else than a model-space entity changed),
// so queries between changes cost a hash probe each.
#pragma once

#include "CellTable.h"
#include "HxIdTable.h"
#include "dbmain.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace hxpeers {

class ExtentsIndex {
public:
    static constexpr int kMaxCells = 64;
    // One entity's plan extents.
    struct Box {
        AcDbObjectId id;
        double x0, y0, x1, y1;
    };

    // The storage of `spare` (may be null), an index nobody reads any more,
    // is taken over and spare left empty.
    explicit ExtentsIndex(AcDbDatabase* db, ExtentsIndex* spare = nullptr);
    // The index of boxes gathered in drawing order.
    explicit ExtentsIndex(std::vector<Box> boxes, ExtentsIndex* spare = nullptr);

    // The index of db as it stands now (rebuilt when the drawing changed).
    static std::shared_ptr<const ExtentsIndex> current(AcDbDatabase* db);

    // True when db, indexed at revision `since`, has changed since only in
    // what the index does not hold: every object changed since is a
    // model-space entity whose extents are as the index holds them (or that
    // has none, erased or not, now as then).
    bool keepsChangesSince(AcDbDatabase* db, unsigned long long since) const;

    // The plan extents of an open entity, false when it has none.
    static bool boxOf(const AcDbEntity& ent, Box& out);
    // Offers the boxes of db's model space, gathered in drawing order while
    // db stood at `revision`: the next current(db) builds its index from them
    // instead of walking the drawing, when db has not changed since. Only the
    // latest offer is kept.
    static void offer(AcDbDatabase* db, unsigned long long revision, std::vector<Box> boxes);
    // Room to gather db's boxes in before offering them: the box storage of
    // the index kept for db when nobody else holds it. That index is then
    // dropped (the next current(db) builds from the offered boxes, in the
    // rest of its storage); otherwise the room is new.
    static std::vector<Box> spareBoxes(AcDbDatabase* db);

    // Calls f(id), in drawing order, for the entities whose plan extents
    // hold the plan position of p within tol.
    template <class F> void forEachHit(const AcGePoint3d& p, double tol, F f) const {
        // Candidates are few: sorted and made unique in a small buffer.
        int local[kLocal];
        std::vector<int> spill;
        int count = 0;
        auto note = [&](int pos) {
            if (count < kLocal)
                local[count] = pos;
            else
                spill.push_back(pos);
            ++count;
        };
        for (int pos : m_big)
            note(pos);
        m_cells.forEachIn(p.x - tol, p.y - tol, p.x + tol, p.y + tol, note);
        int* first = local;
        int* last = local + count;
        if (count > kLocal) {
            spill.insert(spill.begin(), local, local + kLocal);
            first = spill.data();
            last = first + spill.size();
        }
        std::sort(first, last);
        last = std::unique(first, last);
        for (const int* pos = first; pos != last; ++pos) {
            const Box& b = m_boxes[static_cast<std::size_t>(*pos)];
            if (p.x < b.x0 - tol || p.x > b.x1 + tol || p.y < b.y0 - tol || p.y > b.y1 + tol)
                continue;
            f(b.id);
        }
    }

private:
    static constexpr int kLocal = 32;
    void reuseStorage(ExtentsIndex& spare);
    void buildCells(double total);
    // Whether obj, changed, still indexes as it did.
    bool keeps(const AcDbObject& obj, bool inModelSpace) const;
    // The position of the box of id, or -1.
    int position(const AcDbObjectId& id) const;

    std::vector<Box> m_boxes;
    CellTable m_cells;
    std::vector<int> m_big;
    // Box positions by id, filled at the first change asked about: most
    // indexes are never asked, and a drawing-sized table is not free.
    mutable HxIdTable m_position;
    mutable bool m_positioned = false;
};

} // namespace hxpeers
