// Many readers or one writer: the open rules of resident objects.
#include "database/OpenRules.h"

#include "database/DbAccess.h"
#include "database/StubArena.h"
#include "dbsymtb.h"
#include "hxhost/HostControl.h"

namespace hxhost {
namespace {

constexpr int kMaxReaders = 256;

// The status refusing this open of obj for its current state, or eOk.
Acad::ErrorStatus conflict(const AcDbObject& obj, AcDb::OpenMode mode) {
    if (DbAccess::writer(obj))
        return Acad::eWasOpenForWrite;
    if (mode == AcDb::kForWrite && DbAccess::readers(obj) > 0)
        return Acad::eWasOpenForRead;
    if (mode == AcDb::kForWrite)
        return checkWritable(obj);
    if (DbAccess::readers(obj) >= kMaxReaders)
        return Acad::eAtMaxReaders;
    return Acad::eOk;
}

} // namespace

Acad::ErrorStatus checkWritable(const AcDbObject& obj) {
    const AcDbEntity* ent = AcDbEntity::cast(&obj);
    if (ent == nullptr)
        return Acad::eOk;
    const AcDbLayerTableRecord* layer =
        AcDbLayerTableRecord::cast(DbAccess::objectOf(ent->layerId()));
    return layer != nullptr && layer->isLocked() ? Acad::eOnLockedLayer : Acad::eOk;
}

Acad::ErrorStatus openById(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased,
                           const AcRxClass* cls, bool consultFault) {
    obj = nullptr;
    if (id.isNull())
        return Acad::eNullObjectId;
    if (mode != AcDb::kForRead && mode != AcDb::kForWrite)
        return Acad::eInvalidOpenState;
    AcDbObject* target = DbAccess::objectOf(id);
    if (target == nullptr)
        return Acad::eInvalidInput;
    if (consultFault && shouldFail(kFaultOpen))
        return Acad::eWasOpenForWrite;
    if (id.stub()->erased && !openErased) // the stub is live: objectOf checked it
        return Acad::eWasErased;
    if (cls != nullptr && !target->isKindOf(cls))
        return Acad::eNotThatKindOfClass;
    const Acad::ErrorStatus es = conflict(*target, mode);
    if (es != Acad::eOk)
        return es;
    if (mode == AcDb::kForWrite)
        DbAccess::setOpen(*target, 0, true);
    else
        DbAccess::setOpen(*target, DbAccess::readers(*target) + 1, false);
    acquired(Resource::OpenObject);
    obj = target;
    return Acad::eOk;
}

void noteChange(const AcDbObject& obj) {
    if (AcDbDatabase* db = obj.database())
        DbAccess::store(*db).noteChange(DbAccess::stub(obj));
}

bool releaseOpen(AcDbObject& obj) {
    if (DbAccess::writer(obj)) {
        DbAccess::setOpen(obj, 0, false);
        noteChange(obj);
    } else if (DbAccess::readers(obj) > 0)
        DbAccess::setOpen(obj, DbAccess::readers(obj) - 1, false);
    else
        return false;
    released(Resource::OpenObject);
    return true;
}

} // namespace hxhost

Acad::ErrorStatus acdbOpenObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                                 bool openErased, const AcRxClass* cls) {
    return hxhost::openById(obj, id, mode, openErased, cls, true);
}

Acad::ErrorStatus acdbOpenObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                                 bool openErased) {
    return hxhost::openById(obj, id, mode, openErased, nullptr, true);
}

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased) {
    return hxhost::openById(obj, id, mode, openErased, nullptr, true);
}

Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& ent, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased) {
    AcDbObject* obj = nullptr;
    Acad::ErrorStatus es = hxhost::openById(obj, id, mode, openErased, AcDbEntity::desc(), true);
    ent = static_cast<AcDbEntity*>(obj);
    return es == Acad::eNotThatKindOfClass ? Acad::eNotAnEntity : es;
}
