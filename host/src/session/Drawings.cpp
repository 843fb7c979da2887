// Stand-in control of the drawings: reset, new and closed documents, and the
// inspection helpers tests use.
#include "hxhost/Drawing.h"

#include "database/DbAccess.h"
#include "dbapserv.h"
#include "dbsymtb.h"

#include <string>

using hxhost::DbAccess;

namespace hxhost {
namespace {

int& drawingNumber() {
    static int s_number = 0;
    return s_number;
}

AcDbDatabase* orWorking(AcDbDatabase* db) {
    return db != nullptr ? db : acdbHostApplicationServices()->workingDatabase();
}

} // namespace

void resetDrawings() {
    AcApDocManager& manager = *acDocManagerPtr();
    while (manager.documentCount() > 0)
        DbAccess::closeDocument(manager, manager.curDocument());
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    drawingNumber() = 0;
    newDrawing();
}

AcApDocument* newDrawing() {
    AcApDocManager& manager = *acDocManagerPtr();
    const std::wstring name = L"Drawing" + std::to_wstring(++drawingNumber()) + L".dwg";
    AcApDocument* doc = DbAccess::openDocument(manager, name);
    manager.setCurDocument(doc);
    return doc;
}

Acad::ErrorStatus closeDrawing(AcApDocument* doc) {
    return DbAccess::closeDocument(*acDocManagerPtr(), doc);
}

int objectCount(const AcDbDatabase* db, bool includeErased) {
    const AcDbDatabase* target =
        db != nullptr ? db : acdbHostApplicationServices()->workingDatabase();
    if (target == nullptr)
        return 0;
    return static_cast<int>(DbAccess::store(*target).objectCount(includeErased));
}

AcDb::OpenMode openMode(AcDbObjectId id) {
    const AcDbObject* obj = DbAccess::objectOf(id);
    if (obj == nullptr)
        return AcDb::kNotOpen;
    if (DbAccess::writer(*obj))
        return AcDb::kForWrite;
    return DbAccess::readers(*obj) > 0 ? AcDb::kForRead : AcDb::kNotOpen;
}

int openCount(AcDbObjectId id) {
    const AcDbObject* obj = DbAccess::objectOf(id);
    if (obj == nullptr)
        return 0;
    return DbAccess::writer(*obj) ? 1 : DbAccess::readers(*obj);
}

bool isHighlighted(AcDbObjectId id) {
    const AcDbEntity* ent = AcDbEntity::cast(DbAccess::objectOf(id));
    return ent != nullptr && ent->isHighlighted();
}

AcDbObjectId addToModelSpace(AcDbEntity* ent, AcDbDatabase* db) {
    AcDbDatabase* target = orWorking(db);
    AcDbBlockTable* table = nullptr;
    if (ent == nullptr || target == nullptr || target->getBlockTable(table) != Acad::eOk)
        return AcDbObjectId();
    AcDbBlockTableRecord* space = nullptr;
    const Acad::ErrorStatus es = table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForWrite);
    table->close();
    if (es != Acad::eOk)
        return AcDbObjectId();
    AcDbObjectId id;
    if (space->appendAcDbEntity(id, ent) == Acad::eOk)
        ent->close();
    space->close();
    return id;
}

AcDbObjectId addLayer(const ACHAR* name, bool locked, AcDbDatabase* db) {
    AcDbDatabase* target = orWorking(db);
    AcDbLayerTable* table = nullptr;
    if (target == nullptr || target->getLayerTable(table, AcDb::kForWrite) != Acad::eOk)
        return AcDbObjectId();
    AcDbLayerTableRecord* layer = nullptr;
    AcDbObjectId id;
    if (table->getAt(name, layer, AcDb::kForWrite) != Acad::eOk) {
        layer = new AcDbLayerTableRecord;
        if (layer->setName(name) != Acad::eOk || table->add(layer) != Acad::eOk) {
            delete layer;
            layer = nullptr;
        }
    }
    if (layer != nullptr) {
        layer->setIsLocked(locked);
        id = layer->objectId();
        layer->close();
    }
    table->close();
    return id;
}

} // namespace hxhost

namespace hxhost {

unsigned long long databaseRevision(const AcDbDatabase* db) {
    const AcDbDatabase* target = db ? db : acdbHostApplicationServices()->workingDatabase();
    return target ? DbAccess::store(*target).revision : 0;
}

bool changesSince(const AcDbDatabase* db, unsigned long long since,
                  std::vector<AcDbObjectId>& out) {
    const AcDbDatabase* target = db ? db : acdbHostApplicationServices()->workingDatabase();
    return target != nullptr && DbAccess::store(*target).changesSince(since, out);
}

} // namespace hxhost
