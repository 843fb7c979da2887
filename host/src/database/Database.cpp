// AcDbDatabase: the default drawing, adding objects, handles, symbol tables.
#include "database/DbAccess.h"
#include "database/OpenRules.h"
#include "dbapserv.h"
#include "hxhost/HostControl.h"

using hxhost::DbAccess;

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbDatabase, AcRxObject)

namespace {

// Adds a named record to a table of a database being built (closed, not new).
void addDefaultRecord(AcDbDatabase& db, AcDbObjectId tableId, AcDbSymbolTableRecord* rec,
                      const ACHAR* name, AcDbObjectId* id = nullptr) {
    auto* table = AcDbSymbolTable::cast(DbAccess::objectOf(tableId));
    DbAccess::setName(*rec, name);
    const AcDbObjectId recId = DbAccess::adoptClosed(db, rec, tableId);
    DbAccess::records(*table).append(recId);
    if (id != nullptr)
        *id = recId;
}

// Opens a table of db as getSymbolTable does.
template <class Table>
Acad::ErrorStatus openTable(AcDbObjectId id, Table*& table, AcDb::OpenMode mode) {
    table = nullptr;
    if (hxhost::shouldFail(hxhost::kFaultSymbolTable))
        return Acad::eWasOpenForWrite;
    AcDbObject* obj = nullptr;
    const Acad::ErrorStatus es = hxhost::openById(obj, id, mode, false, Table::desc(), false);
    table = static_cast<Table*>(obj);
    return es;
}

} // namespace

AcDbDatabase::AcDbDatabase(bool buildDefaultDrawing, bool noDocument)
    : m_store(std::make_unique<hxhost::DatabaseStore>(this)) {
    hxhost::DatabaseStore& store = *m_store;
    store.noDocument = noDocument;
    store.blockTable = DbAccess::adoptClosed(*this, new AcDbBlockTable, AcDbObjectId());
    store.layerTable = DbAccess::adoptClosed(*this, new AcDbLayerTable, AcDbObjectId());
    store.regAppTable = DbAccess::adoptClosed(*this, new AcDbRegAppTable, AcDbObjectId());
    if (!buildDefaultDrawing)
        return;
    addDefaultRecord(*this, store.blockTable, new AcDbBlockTableRecord, ACDB_MODEL_SPACE);
    addDefaultRecord(*this, store.blockTable, new AcDbBlockTableRecord, ACDB_PAPER_SPACE);
    addDefaultRecord(*this, store.layerTable, new AcDbLayerTableRecord, L"0", &store.clayer);
    addDefaultRecord(*this, store.regAppTable, new AcDbRegAppTableRecord, L"ACAD");
}

AcDbDatabase::~AcDbDatabase() {
    if (acdbHostApplicationServices()->workingDatabase() == this)
        acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    m_store.reset();
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObject* obj) {
    AcDbObjectId id;
    return addAcDbObject(id, obj);
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObjectId& id, AcDbObject* obj) {
    if (obj == nullptr)
        return Acad::eNullObjectPointer;
    if (!obj->objectId().isNull())
        return Acad::eAlreadyInDb;
    return DbAccess::makeResident(*this, *obj, AcDbObjectId(), &id);
}

Acad::ErrorStatus AcDbDatabase::getAcDbObjectId(AcDbObjectId& id, bool, const AcDbHandle& handle,
                                                Adesk::UInt32) {
    if (handle.isNull())
        return Acad::eNullHandle;
    AcDbStub* stub = m_store->find(handle);
    if (stub == nullptr)
        return Acad::eUnknownHandle;
    id = AcDbObjectId(stub);
    return Acad::eOk;
}

AcDbHandle AcDbDatabase::handseed() const {
    return m_store->seed;
}
AcGePoint3d AcDbDatabase::insbase() const {
    return m_store->insbase;
}

Acad::ErrorStatus AcDbDatabase::setInsbase(const AcGePoint3d& base) {
    m_store->insbase = base;
    return Acad::eOk;
}

AcDbObjectId AcDbDatabase::blockTableId() const {
    return m_store->blockTable;
}
AcDbObjectId AcDbDatabase::layerTableId() const {
    return m_store->layerTable;
}
AcDbObjectId AcDbDatabase::regAppTableId() const {
    return m_store->regAppTable;
}
AcDbObjectId AcDbDatabase::clayer() const {
    return m_store->clayer;
}

Acad::ErrorStatus AcDbDatabase::getSymbolTable(AcDbBlockTable*& table, AcDb::OpenMode mode) {
    return openTable(m_store->blockTable, table, mode);
}

Acad::ErrorStatus AcDbDatabase::getSymbolTable(AcDbLayerTable*& table, AcDb::OpenMode mode) {
    return openTable(m_store->layerTable, table, mode);
}

Acad::ErrorStatus AcDbDatabase::getSymbolTable(AcDbRegAppTable*& table, AcDb::OpenMode mode) {
    return openTable(m_store->regAppTable, table, mode);
}

Acad::ErrorStatus AcDbDatabase::getBlockTable(AcDbBlockTable*& table, AcDb::OpenMode mode) {
    return getSymbolTable(table, mode);
}

Acad::ErrorStatus AcDbDatabase::getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode) {
    return getSymbolTable(table, mode);
}

Acad::ErrorStatus AcDbDatabase::getRegAppTable(AcDbRegAppTable*& table, AcDb::OpenMode mode) {
    return getSymbolTable(table, mode);
}

AcDbTransactionManager* AcDbDatabase::transactionManager() const {
    return m_store->transactions.get();
}
