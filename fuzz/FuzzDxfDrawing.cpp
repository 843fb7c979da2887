// Fuzz harness: a DXF drawing read through readDwgFile into a database (the
// product's entities through their codecs), every model-space entity opened,
// the database written back out and read again.
#include "FuzzSupport.h"

#include "HxWtDbObject.h"
#include "dbmain.h"
#include "dbsymtb.h"

#include <memory>

namespace {

// Opens and closes every entity of the model space, as a command would.
void visitModelSpace(AcDbDatabase& db) {
    AcDbBlockTable* table = nullptr;
    if (db.getBlockTable(table, AcDb::kForRead) != Acad::eOk)
        return;
    AcDbBlockTableRecord* space = nullptr;
    const Acad::ErrorStatus es = table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForRead);
    table->close();
    if (es != Acad::eOk)
        return;
    AcDbBlockTableRecordIterator* it = nullptr;
    space->newIterator(it);
    for (; it != nullptr && !it->done(); it->step()) {
        AcDbEntity* entity = nullptr;
        if (it->getEntity(entity, AcDb::kForRead) == Acad::eOk)
            entity->close();
    }
    delete it;
    space->close();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Registers the product's entity classes and their codecs.
    (void)HxDbEntity::desc();
    const std::wstring path = hxfuzz::writeScratch("drawing.dxf", data, size);
    {
        auto db = std::make_unique<AcDbDatabase>(false, true);
        if (db->readDwgFile(path.c_str()) == Acad::eOk) {
            visitModelSpace(*db);
            AcDbDatabase* again = nullptr;
            if (db->wblock(again) == Acad::eOk)
                visitModelSpace(*again);
            delete again;
        }
    }
    hxfuzz::requireCleanHost("dxf_drawing");
    return 0;
}
