// The drawing as selection sees it.
#include "editor/SelectionScan.h"
#include "database/DbAccess.h"
#include "database/SymbolNames.h"
#include "acdocman.h"
#include "db.h"
#include "dbapserv.h"

#include <algorithm>

namespace hxhost::detail {
namespace {

AcDbObjectId spaceId(AcDbDatabase* db, const ACHAR* name) {
    auto* table = AcDbSymbolTable::cast(DbAccess::objectOf(db->blockTableId()));
    return table == nullptr ? AcDbObjectId() : findRecord(*table, name, false);
}

void fill(Candidate& c) {
    AcDbExtents ext;
    c.hasBox = c.entity->getGeomExtents(ext) == Acad::eOk && !ext.isEmpty();
    if (c.hasBox) {
        const AcGePoint3d lo = ext.minPoint();
        const AcGePoint3d hi = ext.maxPoint();
        c.box = PlanBox::of({lo.x, lo.y}, {hi.x, hi.y});
    }
}

void collect(AcDbObjectId space, bool paper, std::vector<Candidate>& out) {
    auto* block = AcDbBlockTableRecord::cast(DbAccess::objectOf(space));
    if (block == nullptr)
        return;
    const AcDbObjectIdArray& ids = DbAccess::entities(*block);
    for (int i = 0; i < ids.length(); ++i) {
        const AcDbEntity* ent = AcDbEntity::cast(DbAccess::objectOf(ids[i]));
        if (ent == nullptr || ids[i].isErased())
            continue;
        Candidate c;
        c.id = ids[i];
        c.entity = ent;
        c.paperSpace = paper;
        fill(c);
        out.push_back(c);
    }
}

} // namespace

AcDbDatabase* selectionDatabase() {
    AcApDocument* doc = acDocManagerPtr()->curDocument();
    if (doc != nullptr && doc->database() != nullptr)
        return doc->database();
    return acdbHostApplicationServices()->workingDatabase();
}

std::vector<Candidate> drawingEntities(AcDbDatabase* db) {
    std::vector<Candidate> out;
    if (db == nullptr)
        return out;
    collect(spaceId(db, ACDB_MODEL_SPACE), false, out);
    collect(spaceId(db, ACDB_PAPER_SPACE), true, out);
    // Ids order by creation, which is drawing order.
    std::stable_sort(out.begin(), out.end(),
                     [](const Candidate& a, const Candidate& b) { return a.id < b.id; });
    return out;
}

bool candidateOf(AcDbObjectId id, Candidate& out) {
    const AcDbEntity* ent = AcDbEntity::cast(DbAccess::objectOf(id));
    if (ent == nullptr || id.isErased())
        return false;
    AcDbDatabase* db = id.database();
    const bool model = ent->ownerId() == spaceId(db, ACDB_MODEL_SPACE);
    const bool paper = ent->ownerId() == spaceId(db, ACDB_PAPER_SPACE);
    if (!model && !paper)
        return false;
    out = Candidate();
    out.id = id;
    out.entity = ent;
    out.paperSpace = paper;
    fill(out);
    return true;
}

} // namespace hxhost::detail
