// The size of a valve kept in a drawing file: the marker in model space at the
// drawing's insertion base point; the setter saves the drawing over the file.
#include "HxWtPartLib.h"

#include "ValveMarker.h"

namespace {

// The drawing of path in a new database (the caller deletes it); null when
// the file does not read.
AcDbDatabase* ReadValveDrawing(const CString& path) {
    AcDbDatabase* db = new AcDbDatabase(false, false);
    if (db->readDwgFile(path.GetString(), 1, false, nullptr) == Acad::eOk)
        return db;
    delete db;
    return nullptr;
}

// Reads or writes the marker of db's model space, with the block table and
// the record open for read around it.
void AccessModelSpaceMarker(AcDbDatabase* db, bool write, double& length, double& height) {
    AcDbBlockTable* table = nullptr;
    if (db->getSymbolTable(table, AcDb::kForRead) != Acad::eOk)
        return;
    AcDbObjectId spaceId;
    AcDbBlockTableRecord* space = nullptr;
    if (table->getIdAt(L"*Model_Space", spaceId, false) != Acad::eOk ||
        acdbOpenObject(space, spaceId, AcDb::kForRead, false) != Acad::eOk) {
        table->close();
        return;
    }
    const AcDbObjectId marker = FindValveMarker(space, db->insbase());
    if (!marker.isNull() && !write)
        ReadValveMarker(marker, length, height);
    else if (!marker.isNull())
        WriteValveMarker(marker, length, height, db);
    space->close();
    table->close();
}

} // namespace

int HxWtGetValveSizeData(const CString& dwgPath, double& length, double& height) {
    AcDbDatabase* db = ReadValveDrawing(dwgPath);
    if (db == nullptr)
        return 1;
    AccessModelSpaceMarker(db, false, length, height);
    delete db;
    return 1;
}

int HxWtSetValveSizeData(const CString& dwgPath, double length, double height) {
    AcDbDatabase* db = ReadValveDrawing(dwgPath);
    if (db == nullptr)
        return 0;
    AccessModelSpaceMarker(db, true, length, height);
    AcDbDatabase* copy = nullptr;
    db->wblock(copy);
    delete db;
    if (copy == nullptr)
        return 1;
    copy->saveAs(dwgPath.GetString(), false, AcDb::kDHL_1015);
    delete copy;
    return 1;
}
