// Host-internal: what selection sees of a drawing: its live entities of model
// and paper space in drawing order (creation order), each with its plan box
// and space. Candidates point at entities owned by the database; they are
// valid until the drawing changes.
#pragma once

#include "editor/SelectionGeometry.h"
#include "dbmain.h"

#include <vector>

namespace hxhost::detail {

struct Candidate {
    AcDbObjectId id;
    const AcDbEntity* entity = nullptr;
    bool paperSpace = false;
    bool hasBox = false; // false for entities without extents
    PlanBox box;
};

// The database selection works on: the current document's, else the working
// one; null when there is neither.
AcDbDatabase* selectionDatabase();
// The live entities of db's model and paper space in drawing order.
std::vector<Candidate> drawingEntities(AcDbDatabase* db);
// One candidate for an id: false when it is no live entity of model or paper
// space of a live database.
bool candidateOf(AcDbObjectId id, Candidate& out);

} // namespace hxhost::detail
