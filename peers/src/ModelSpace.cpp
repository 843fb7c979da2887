// The model-space walk of the stand-in modules' drawing queries.
#include "ModelSpace.h"

#include "dbsymtb.h"
#include "hxhost/Drawing.h"

#include <memory>
#include <vector>

namespace hxpeers {

namespace {

// Opens db's model space for read; null when it does not open.
AcDbBlockTableRecord* openModelSpace(AcDbDatabase* db) {
    AcDbBlockTable* table = nullptr;
    if (db->getBlockTable(table, AcDb::kForRead) != Acad::eOk)
        return nullptr;
    AcDbBlockTableRecord* space = nullptr;
    if (table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForRead) != Acad::eOk)
        space = nullptr;
    table->close();
    return space;
}

// Whether the changed object of id keeps the index, opened for read.
bool changedKeeps(const AcDbObjectId& id, const AcDbObjectId& space,
                  const std::function<bool(const AcDbObject&, bool)>& keeps) {
    AcDbObject* obj = nullptr;
    if (acdbOpenObject(obj, id, AcDb::kForRead, true) != Acad::eOk)
        return false;
    const AcDbEntity* ent = AcDbEntity::cast(obj);
    const bool kept = AcDbBlockTableRecord::cast(obj) == nullptr &&
                      keeps(*obj, ent != nullptr && ent->ownerId() == space);
    obj->close();
    return kept;
}

} // namespace

std::size_t countModelSpaceEntities(AcDbDatabase* db) {
    AcDbBlockTableRecord* space = db != nullptr ? openModelSpace(db) : nullptr;
    if (space == nullptr)
        return 0;
    AcDbBlockTableRecordIterator* raw = nullptr;
    const Acad::ErrorStatus es = space->newIterator(raw);
    std::unique_ptr<AcDbBlockTableRecordIterator> it(raw);
    std::size_t count = 0;
    for (; es == Acad::eOk && !it->done(); it->step())
        ++count;
    space->close();
    return count;
}

bool forEachModelSpaceEntity(AcDbDatabase* db, const AcRxClass* cls,
                             const std::function<void(const AcDbEntity&, int)>& visit,
                             std::vector<AcDbObjectId>* scratch) {
    if (db == nullptr)
        return false;
    AcDbBlockTableRecord* space = openModelSpace(db);
    if (space == nullptr)
        return false;
    AcDbBlockTableRecordIterator* raw = nullptr;
    const Acad::ErrorStatus es = space->newIterator(raw);
    std::unique_ptr<AcDbBlockTableRecordIterator> it(raw);
    if (es != Acad::eOk) {
        space->close();
        return false;
    }
    // The ids first, so that each entity's record in the database can be
    // fetched into the cache a few entities before it is opened: a
    // whole-city drawing is far larger than the cache, and its entities are
    // visited once.
    std::vector<AcDbObjectId> own;
    std::vector<AcDbObjectId>& ids = scratch != nullptr ? *scratch : own;
    ids.clear();
    for (; !it->done(); it->step()) {
        AcDbObjectId id;
        ids.push_back(it->getEntityId(id) == Acad::eOk ? id : AcDbObjectId());
    }
    space->close();
    constexpr std::size_t kAhead = 16;
    const AcRxClass* filter = cls ? cls : AcDbEntity::desc();
    for (std::size_t k = 0; k < ids.size(); ++k) {
        if (k + kAhead < ids.size())
            __builtin_prefetch(ids[k + kAhead].stub());
        AcDbObject* obj = nullptr;
        if (ids[k].isNull() ||
            acdbOpenObject(obj, ids[k], AcDb::kForRead, false, filter) != Acad::eOk)
            continue;
        visit(*static_cast<const AcDbEntity*>(obj), static_cast<int>(k));
        obj->close();
    }
    return true;
}

// The changes are asked first: when the host does not know them, the model
// space is not opened at all.
bool changesKeep(AcDbDatabase* db, unsigned long long since,
                 const std::function<bool(const AcDbObject&, bool)>& keeps) {
    std::vector<AcDbObjectId> changed;
    if (db == nullptr || !hxhost::changesSince(db, since, changed))
        return false;
    if (changed.empty())
        return true;
    AcDbBlockTableRecord* space = openModelSpace(db);
    if (space == nullptr)
        return false;
    const AcDbObjectId spaceId = space->objectId();
    space->close();
    for (const AcDbObjectId& id : changed) {
        if (!changedKeeps(id, spaceId, keeps))
            return false;
    }
    return true;
}

} // namespace hxpeers
