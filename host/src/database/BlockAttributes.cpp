// The attributes a block reference owns, and the object iterator over them.
#include "database/DbAccess.h"
#include "database/IdCursor.h"
#include "dbents.h"

using hxhost::DbAccess;

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbAttribute* attribute) {
    AcDbObjectId id;
    return appendAttribute(id, attribute);
}

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbObjectId& id, AcDbAttribute* attribute) {
    if (database() == nullptr)
        return Acad::eNotInDatabase;
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (attribute == nullptr)
        return Acad::eNullObjectPointer;
    if (!attribute->objectId().isNull())
        return Acad::eAlreadyInDb;
    const Acad::ErrorStatus es = DbAccess::makeResident(*database(), *attribute, objectId(), &id);
    if (es != Acad::eOk)
        return es;
    if (attribute->layerId().isNull() && !layerId().isNull())
        attribute->setLayer(layerId());
    m_attributes.append(id);
    return Acad::eOk;
}

AcDbObjectIterator* AcDbBlockReference::attributeIterator() const {
    if (!isReadEnabled())
        return nullptr;
    return new AcDbObjectIterator(m_attributes);
}

AcDbObjectIterator::AcDbObjectIterator(const AcDbObjectIdArray& ids)
    : m_cursor(std::make_unique<hxhost::IdCursor>(ids, true, true)) {}

AcDbObjectIterator::~AcDbObjectIterator() = default;

void AcDbObjectIterator::start(bool atBeginning) {
    m_cursor->start(atBeginning, true);
}

bool AcDbObjectIterator::done() const {
    return m_cursor->done();
}

bool AcDbObjectIterator::step(bool backwards, bool skipErasedObjects) {
    m_cursor->step(!backwards, skipErasedObjects);
    return !m_cursor->done();
}

AcDbObjectId AcDbObjectIterator::objectId() const {
    return m_cursor->current();
}
