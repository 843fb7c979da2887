// The block a block reference shows, and the block definition of a name in
// the working database.
#include "HxWtEntityUtil.h"

namespace {

// The record's name, empty when it cannot be read.
CString RecordName(const AcDbBlockTableRecord* record) {
    const ACHAR* name = nullptr;
    if (record->getName(name) != Acad::eOk || name == nullptr)
        return CString();
    return CString(name);
}

} // namespace

CString HxWtGetBlockReferenceName(AcDbObjectId refId) {
    AcDbBlockReference* ref = nullptr;
    if (acdbOpenObject(ref, refId, AcDb::kForRead, false) != Acad::eOk)
        return CString();
    AcDbBlockTableRecord* record = nullptr;
    if (acdbOpenObject(record, ref->blockTableRecord(), AcDb::kForRead, false) != Acad::eOk) {
        ref->close();
        return CString();
    }
    const CString name = RecordName(record);
    record->close();
    ref->close();
    return name;
}

int HxWtGetBlockReferenceId(const CString& blockName, AcDbObjectId& blockId) {
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    AcDbBlockTable* table = nullptr;
    if (db == nullptr || db->getSymbolTable(table, AcDb::kForRead) != Acad::eOk)
        return 0;
    AcDbObjectId recordId;
    AcDbBlockTableRecord* record = nullptr;
    if (table->getIdAt(blockName.GetString(), recordId, false) != Acad::eOk ||
        acdbOpenObject(record, recordId, AcDb::kForRead, false) != Acad::eOk) {
        table->close();
        return 0;
    }
    blockId = record->objectId();
    table->close();
    record->close();
    return 1;
}
