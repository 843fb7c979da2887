// The drawing's unit (millimetres or metres), kept with the drawing as its
// INSUNITS value, which is saved and read back with the drawing ($INSUNITS).
//
// Reading: 6 (metres) gives 1; every other value, millimetres (4) included,
// gives 0. Writing: 0 sets millimetres, any other value metres.
#include "HxAecDbObject.h"

#include "dbapserv.h"

namespace {

AcDbDatabase* drawingOf(AcDbDatabase* db) {
    return db ? db : acdbHostApplicationServices()->workingDatabase();
}

} // namespace

unsigned char HxDbGetDrawUnit(AcDbDatabase* db) {
    db = drawingOf(db);
    return db != nullptr && db->insunits() == AcDb::kUnitsMeters ? 1 : 0;
}

void HxDbSetDrawUnit(AcDbDatabase* db, unsigned char unit) {
    db = drawingOf(db);
    if (db != nullptr)
        db->setInsunits(unit != 0 ? AcDb::kUnitsMeters : AcDb::kUnitsMillimeters);
}
