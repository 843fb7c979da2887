// Block definitions: appending entities and iterating over them.
#include "database/DbAccess.h"
#include "hxhost/WriteSetter.h"
#include "database/IdCursor.h"
#include "database/OpenRules.h"

using hxhost::DbAccess;

ACRX_DXF_DEFINE_MEMBERS(AcDbBlockTableRecord, AcDbSymbolTableRecord, AcDb::kDHL_CURRENT, 0, 0,
                        BLOCK_RECORD, ACAD)

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbEntity* entity) {
    AcDbObjectId id;
    return appendAcDbEntity(id, entity);
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity) {
    if (database() == nullptr)
        return Acad::eNotInDatabase;
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (entity == nullptr)
        return Acad::eNullEntityPointer;
    if (!entity->objectId().isNull())
        return Acad::eAlreadyInDb;
    AcDbDatabase& db = *database();
    const Acad::ErrorStatus es = DbAccess::makeResident(db, *entity, objectId(), &id);
    if (es != Acad::eOk)
        return es;
    if (entity->layerId().isNull() && !db.clayer().isNull())
        entity->setLayer(db.clayer());
    m_entities.append(id);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::newIterator(AcDbBlockTableRecordIterator*& iterator,
                                                    bool atBeginning, bool skipDeleted) const {
    iterator = nullptr;
    if (!isReadEnabled())
        return Acad::eNotOpenForRead;
    iterator = new AcDbBlockTableRecordIterator(
        std::make_unique<hxhost::IdCursor>(m_entities, atBeginning, skipDeleted));
    return Acad::eOk;
}

AcDbBlockTableRecordIterator::AcDbBlockTableRecordIterator(std::unique_ptr<hxhost::IdCursor> cursor)
    : m_cursor(std::move(cursor)) {}

AcDbBlockTableRecordIterator::~AcDbBlockTableRecordIterator() = default;

void AcDbBlockTableRecordIterator::start(bool atBeginning, bool skipDeleted) {
    m_cursor->start(atBeginning, skipDeleted);
}

bool AcDbBlockTableRecordIterator::done() const {
    return m_cursor->done();
}

void AcDbBlockTableRecordIterator::step(bool forward, bool skipDeleted) {
    m_cursor->step(forward, skipDeleted);
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntityId(AcDbObjectId& id) const {
    if (m_cursor->done())
        return Acad::eInvalidInput;
    id = m_cursor->current();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntity(AcDbEntity*& entity, AcDb::OpenMode mode,
                                                          bool openErased) const {
    entity = nullptr;
    if (m_cursor->done())
        return Acad::eInvalidInput;
    AcDbObject* obj = nullptr;
    const Acad::ErrorStatus es =
        hxhost::openById(obj, m_cursor->current(), mode, openErased, AcDbEntity::desc(), true);
    entity = static_cast<AcDbEntity*>(obj);
    return es;
}

Acad::ErrorStatus AcDbBlockTableRecord::setOrigin(const AcGePoint3d& origin) {
    return hxhost::setWhenWritable(*this, m_origin, origin);
}
