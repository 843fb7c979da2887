// The drawing's unit (millimetres or metres), kept with the drawing.
//
// The unit is stored as extended data of the application "HXWT_DRAWUNIT" on
// the model-space block record (one 1070 item: 0 millimetres, 1 metres), so
// it is saved and read back with the drawing like any other xdata. A drawing
// that carries no such mark takes the editor's INSUNITS: 6 (metres) gives 1,
// anything else (4, millimetres, by default) 0.
#include "HxAecDbObject.h"

#include "acedads.h"
#include "dbapserv.h"
#include "dbsymtb.h"

namespace {

const ACHAR* const kUnitApp = ACRX_T("HXWT_DRAWUNIT");
constexpr short kInsunitsMetres = 6;

AcDbDatabase* drawingOf(AcDbDatabase* db) {
    return db ? db : acdbHostApplicationServices()->workingDatabase();
}

AcDbBlockTableRecord* openModelSpace(AcDbDatabase* db, AcDb::OpenMode mode) {
    AcDbBlockTable* table = nullptr;
    if (db->getBlockTable(table, AcDb::kForRead) != Acad::eOk)
        return nullptr;
    AcDbBlockTableRecord* space = nullptr;
    if (table->getAt(ACDB_MODEL_SPACE, space, mode) != Acad::eOk)
        space = nullptr;
    table->close();
    return space;
}

// Registers the unit application in db when it is not yet; false on failure.
bool ensureUnitApp(AcDbDatabase* db) {
    AcDbRegAppTable* table = nullptr;
    if (db->getRegAppTable(table, AcDb::kForRead) != Acad::eOk)
        return false;
    bool ok = table->has(kUnitApp);
    if (!ok && table->upgradeOpen() == Acad::eOk) {
        auto* rec = new AcDbRegAppTableRecord;
        rec->setName(kUnitApp);
        ok = table->add(rec) == Acad::eOk;
        if (ok)
            rec->close();
        else
            delete rec;
    }
    table->close();
    return ok;
}

unsigned char sessionUnit() {
    resbuf value{};
    if (acedGetVar(ACRX_T("INSUNITS"), &value) != RTNORM)
        return 0;
    return value.resval.rint == kInsunitsMetres ? 1 : 0;
}

} // namespace

unsigned char HxDbGetDrawUnit(AcDbDatabase* db) {
    db = drawingOf(db);
    if (db == nullptr)
        return sessionUnit();
    AcDbBlockTableRecord* space = openModelSpace(db, AcDb::kForRead);
    if (space == nullptr)
        return sessionUnit();
    resbuf* chain = space->xData(kUnitApp);
    space->close();
    if (chain == nullptr)
        return sessionUnit();
    const resbuf* item = chain->rbnext;
    const unsigned char unit = (item && item->restype == 1070 && item->resval.rint != 0) ? 1 : 0;
    acutRelRb(chain);
    return unit;
}

void HxDbSetDrawUnit(AcDbDatabase* db, unsigned char unit) {
    db = drawingOf(db);
    if (db == nullptr || !ensureUnitApp(db))
        return;
    AcDbBlockTableRecord* space = openModelSpace(db, AcDb::kForWrite);
    if (space == nullptr)
        return;
    resbuf* chain = acutBuildList(1001, kUnitApp, 1070, unit != 0 ? 1 : 0, 0);
    if (chain != nullptr) {
        space->setXData(chain);
        acutRelRb(chain);
    }
    space->close();
}
