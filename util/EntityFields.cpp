// Named fields of the product's entities, by id or on an open entity.
#include "HxWtEntityUtil.h"

namespace {

// Opens id as a product entity for write (erased entities refused); null when
// it does not open.
HxDbEntity* OpenEntityForWrite(AcDbObjectId id) {
    HxDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForWrite, false) != Acad::eOk)
        return nullptr;
    return entity;
}

// Closes an entity opened here; one never added to a database is deleted.
void Release(HxDbEntity* entity) {
    if (entity->objectId().isNull())
        delete entity;
    else
        entity->close();
}

bool HasText(int found, const CString& value) {
    return found == 1 && value != L"";
}

} // namespace

int HxWtSetEntityFields(AcDbObjectId id, const wchar_t* name, const wchar_t* value) {
    HxDbEntity* entity = OpenEntityForWrite(id);
    if (entity == nullptr)
        return 0;
    HxWtSetEntityFields(entity, name, value);
    Release(entity);
    return 1;
}

int HxWtSetEntityFields(HxDbEntity* entity, const wchar_t* name, const wchar_t* value) {
    entity->Fields().SetField(name, value);
    return 1;
}

int HxWtGetEntityFields(AcDbObjectId id, const wchar_t* name, CString& value) {
    // Opened for write like the setter: an entity open elsewhere gives 0.
    HxDbEntity* entity = OpenEntityForWrite(id);
    if (entity == nullptr)
        return 0;
    HxWtGetEntityFields(entity, name, value);
    Release(entity);
    return 1;
}

int HxWtGetEntityFields(HxDbEntity* entity, const wchar_t* name, CString& value) {
    entity->Fields().GetField(name, value);
    return 1;
}

int HxWtEntityIsHaveFields(AcDbObjectId id, const wchar_t* name) {
    CString value;
    return HasText(HxWtGetEntityFields(id, name, value), value) ? 1 : 0;
}

int HxWtEntityIsHaveFields(HxDbEntity* entity, const wchar_t* name) {
    CString value;
    return HasText(HxWtGetEntityFields(entity, name, value), value) ? 1 : 0;
}
