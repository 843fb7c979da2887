// Symbol tables and records: names, lookup, adding records, iteration.
#include "database/DbAccess.h"
#include "database/IdCursor.h"
#include "database/OpenRules.h"
#include "database/SymbolNames.h"

#include <cstring>

using hxhost::DbAccess;

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbSymbolTableRecord, AcDbObject)
ACRX_NO_CONS_DEFINE_MEMBERS(AcDbSymbolTable, AcDbObject)
ACRX_DXF_DEFINE_MEMBERS(AcDbBlockTable, AcDbSymbolTable, AcDb::kDHL_CURRENT, 0, 0, BLOCK_TABLE,
                        ACAD)
ACRX_DXF_DEFINE_MEMBERS(AcDbLayerTable, AcDbSymbolTable, AcDb::kDHL_CURRENT, 0, 0, LAYER_TABLE,
                        ACAD)
ACRX_DXF_DEFINE_MEMBERS(AcDbLayerTableRecord, AcDbSymbolTableRecord, AcDb::kDHL_CURRENT, 0, 0,
                        LAYER, ACAD)
ACRX_DXF_DEFINE_MEMBERS(AcDbRegAppTable, AcDbSymbolTable, AcDb::kDHL_CURRENT, 0, 0, APPID_TABLE,
                        ACAD)
ACRX_DXF_DEFINE_MEMBERS(AcDbRegAppTableRecord, AcDbSymbolTableRecord, AcDb::kDHL_CURRENT, 0, 0,
                        APPID, ACAD)

namespace {

// Opens the record id found under a name (a typed getAt's common part).
template <class Record>
Acad::ErrorStatus openFound(const AcDbSymbolTable& table, const ACHAR* name, Record*& record,
                            AcDb::OpenMode mode, bool openErased) {
    AcDbSymbolTableRecord* found = nullptr;
    const Acad::ErrorStatus es = table.getAt(name, found, mode, openErased);
    record = static_cast<Record*>(found);
    return es;
}

} // namespace

Acad::ErrorStatus AcDbSymbolTableRecord::getName(const ACHAR*& name) const {
    if (!isReadEnabled())
        return Acad::eNotOpenForRead;
    name = m_name.c_str();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(ACHAR*& name) const {
    if (!isReadEnabled())
        return Acad::eNotOpenForRead;
    name = new ACHAR[m_name.size() + 1];
    std::wmemcpy(name, m_name.c_str(), m_name.size() + 1);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::setName(const ACHAR* name) {
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (!hxhost::isValidSymbolName(name))
        return Acad::eInvalidSymbolTableName;
    const auto* table = AcDbSymbolTable::cast(DbAccess::objectOf(ownerId()));
    if (table != nullptr) {
        const AcDbObjectId holder = hxhost::findRecord(*table, name, false);
        if (!holder.isNull() && holder != objectId())
            return Acad::eDuplicateRecordName;
    }
    m_name = name;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* name, AcDbSymbolTableRecord*& record,
                                         AcDb::OpenMode mode, bool openErased) const {
    record = nullptr;
    AcDbObjectId id;
    const Acad::ErrorStatus es = getIdAt(name, id, openErased);
    if (es != Acad::eOk)
        return es;
    AcDbObject* obj = nullptr;
    const Acad::ErrorStatus opened = hxhost::openById(obj, id, mode, openErased, nullptr, true);
    record = static_cast<AcDbSymbolTableRecord*>(obj);
    return opened;
}

Acad::ErrorStatus AcDbSymbolTable::getIdAt(const ACHAR* name, AcDbObjectId& id,
                                           bool getErasedRecord) const {
    if (!isReadEnabled())
        return Acad::eNotOpenForRead;
    if (name == nullptr)
        return Acad::eInvalidInput;
    const AcDbObjectId found = hxhost::findRecord(*this, name, getErasedRecord);
    if (found.isNull())
        return Acad::eKeyNotFound;
    id = found;
    return Acad::eOk;
}

bool AcDbSymbolTable::has(const ACHAR* name) const {
    return isReadEnabled() && !hxhost::findRecord(*this, name, false).isNull();
}

bool AcDbSymbolTable::has(AcDbObjectId id) const {
    return isReadEnabled() && !id.isNull() && !id.isErased() && m_records.contains(id);
}

Acad::ErrorStatus AcDbSymbolTable::newIterator(AcDbSymbolTableIterator*& iterator, bool atBeginning,
                                               bool skipDeleted) const {
    iterator = nullptr;
    if (!isReadEnabled())
        return Acad::eNotOpenForRead;
    iterator = new AcDbSymbolTableIterator(
        std::make_unique<hxhost::IdCursor>(m_records, atBeginning, skipDeleted));
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::addRecord(AcDbObjectId* id, AcDbSymbolTableRecord* record) {
    if (database() == nullptr)
        return Acad::eNotInDatabase;
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (record == nullptr)
        return Acad::eNullObjectPointer;
    if (!record->objectId().isNull())
        return Acad::eAlreadyInDb;
    if (!record->isKindOf(recordClass()))
        return Acad::eWrongObjectType;
    const std::wstring& name = DbAccess::name(*record);
    if (name.empty())
        return Acad::eInvalidSymbolTableName;
    if (!hxhost::findRecord(*this, name.c_str(), false).isNull())
        return Acad::eDuplicateRecordName;
    AcDbObjectId recordId;
    const Acad::ErrorStatus es =
        DbAccess::makeResident(*database(), *record, objectId(), &recordId);
    if (es != Acad::eOk)
        return es;
    m_records.append(recordId);
    if (id != nullptr)
        *id = recordId;
    return Acad::eOk;
}

AcDbSymbolTableIterator::AcDbSymbolTableIterator(std::unique_ptr<hxhost::IdCursor> cursor)
    : m_cursor(std::move(cursor)) {}

AcDbSymbolTableIterator::~AcDbSymbolTableIterator() = default;

void AcDbSymbolTableIterator::start(bool atBeginning, bool skipDeleted) {
    m_cursor->start(atBeginning, skipDeleted);
}

bool AcDbSymbolTableIterator::done() const {
    return m_cursor->done();
}

void AcDbSymbolTableIterator::step(bool forward, bool skipDeleted) {
    m_cursor->step(forward, skipDeleted);
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecordId(AcDbObjectId& id) const {
    if (m_cursor->done())
        return Acad::eInvalidInput;
    id = m_cursor->current();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecord(AcDbSymbolTableRecord*& record,
                                                     AcDb::OpenMode mode, bool openErased) const {
    record = nullptr;
    if (m_cursor->done())
        return Acad::eInvalidInput;
    AcDbObject* obj = nullptr;
    const Acad::ErrorStatus es =
        hxhost::openById(obj, m_cursor->current(), mode, openErased, nullptr, true);
    record = static_cast<AcDbSymbolTableRecord*>(obj);
    return es;
}

Acad::ErrorStatus AcDbBlockTable::getAt(const ACHAR* name, AcDbBlockTableRecord*& record,
                                        AcDb::OpenMode mode, bool openErased) const {
    return openFound(*this, name, record, mode, openErased);
}

const AcRxClass* AcDbBlockTable::recordClass() const {
    return AcDbBlockTableRecord::desc();
}

Acad::ErrorStatus AcDbLayerTable::getAt(const ACHAR* name, AcDbLayerTableRecord*& record,
                                        AcDb::OpenMode mode, bool openErased) const {
    return openFound(*this, name, record, mode, openErased);
}

const AcRxClass* AcDbLayerTable::recordClass() const {
    return AcDbLayerTableRecord::desc();
}

Acad::ErrorStatus AcDbRegAppTable::getAt(const ACHAR* name, AcDbRegAppTableRecord*& record,
                                         AcDb::OpenMode mode, bool openErased) const {
    return openFound(*this, name, record, mode, openErased);
}

const AcRxClass* AcDbRegAppTable::recordClass() const {
    return AcDbRegAppTableRecord::desc();
}

void AcDbLayerTableRecord::setIsLocked(bool locked) {
    if (isWriteEnabled())
        m_locked = locked;
}

void AcDbLayerTableRecord::setColorIndex(Adesk::UInt16 color) {
    if (isWriteEnabled())
        m_color = color;
}
