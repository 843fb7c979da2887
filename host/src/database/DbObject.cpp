// AcDbObject: identity, open state transitions, erase, extended data, copy.
#include "database/DbAccess.h"
#include "database/OpenRules.h"
#include "database/SymbolNames.h"
#include "database/XDataStore.h"
#include "dbapserv.h"
#include "hxhost/HostControl.h"

#include <cassert>

using hxhost::DbAccess;

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbObject, AcRxObject)

namespace {

// The registered name of app in db's APPID table, or empty when it is not
// registered there.
std::wstring registeredName(AcDbDatabase* db, const std::wstring& app) {
    if (db == nullptr)
        return {};
    auto* table = AcDbSymbolTable::cast(DbAccess::objectOf(db->regAppTableId()));
    if (table == nullptr)
        return {};
    auto* rec = AcDbSymbolTableRecord::cast(
        DbAccess::objectOf(hxhost::findRecord(*table, app.c_str(), false)));
    return rec == nullptr ? std::wstring() : DbAccess::name(*rec);
}

} // namespace

AcDbObject::AcDbObject() = default;

AcDbObject::~AcDbObject() {
    assert(m_stub == nullptr && "a database-resident object is deleted by its database only");
}

AcDbObjectId AcDbObject::objectId() const {
    return AcDbObjectId(m_stub);
}
AcDbObjectId AcDbObject::ownerId() const {
    return m_ownerId;
}
AcDbDatabase* AcDbObject::database() const {
    return m_stub ? m_stub->database : nullptr;
}
void AcDbObject::getAcDbHandle(AcDbHandle& handle) const {
    handle = this->handle();
}
AcDbHandle AcDbObject::handle() const {
    return m_stub ? m_stub->handle : AcDbHandle();
}
bool AcDbObject::isErased() const {
    return m_stub != nullptr && m_stub->erased;
}
bool AcDbObject::isReadEnabled() const {
    return m_stub == nullptr || m_writer || m_readers > 0;
}
bool AcDbObject::isWriteEnabled() const {
    return m_stub == nullptr || m_writer;
}
bool AcDbObject::isNewObject() const {
    return m_newObject;
}
bool AcDbObject::isTransactionResident() const {
    return m_transactionHolds > 0;
}

Acad::ErrorStatus AcDbObject::erase(bool erasing) {
    if (m_stub == nullptr)
        return Acad::eNotInDatabase;
    if (!m_writer)
        return Acad::eNotOpenForWrite;
    if (m_stub->erased == erasing)
        return erasing ? Acad::eWasErased : Acad::eNotApplicable;
    m_stub->erased = erasing;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::close() {
    if (m_stub == nullptr)
        return Acad::eNotInDatabase;
    if (m_transactionHolds > 0)
        return Acad::eOk;
    if (!hxhost::releaseOpen(*this))
        return Acad::eNotOpenForRead;
    m_newObject = false;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::upgradeOpen() {
    if (m_stub == nullptr || m_writer)
        return Acad::eWasOpenForWrite;
    if (m_readers == 0)
        return Acad::eNotOpenForRead;
    if (m_readers > 1)
        return Acad::eHadMultipleReaders;
    if (hxhost::shouldFail(hxhost::kFaultUpgrade))
        return Acad::eOnLockedLayer;
    const Acad::ErrorStatus es = hxhost::checkWritable(*this);
    if (es != Acad::eOk)
        return es;
    m_readers = 0;
    m_writer = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::downgradeOpen() {
    if (m_stub == nullptr)
        return Acad::eNotInDatabase;
    if (!m_writer)
        return Acad::eNotOpenForWrite;
    m_writer = false;
    m_readers = 1;
    hxhost::noteChange(*this);
    return Acad::eOk;
}

resbuf* AcDbObject::xData(const ACHAR* app) const {
    if (!isReadEnabled() || m_xdata == nullptr || (app != nullptr && app[0] == 0))
        return nullptr;
    return m_xdata->chain(app);
}

Acad::ErrorStatus AcDbObject::setXData(const resbuf* chain) {
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (chain == nullptr)
        return Acad::eInvalidInput;
    if (hxhost::shouldFail(hxhost::kFaultSetXData))
        return Acad::eOutOfMemory;
    std::vector<hxhost::XDataApp> changes;
    Acad::ErrorStatus es = hxhost::XDataStore::parse(chain, changes);
    if (es != Acad::eOk)
        return es;
    AcDbDatabase* db = m_stub ? database() : acdbHostApplicationServices()->workingDatabase();
    for (hxhost::XDataApp& change : changes) {
        change.name = registeredName(db, change.name);
        if (change.name.empty())
            return Acad::eRegappIdNotFound;
    }
    hxhost::XDataStore updated = m_xdata ? *m_xdata : hxhost::XDataStore();
    updated.apply(changes);
    if (updated.byteSize() > hxhost::XDataStore::kMaxBytes)
        return Acad::eXdataSizeExceeded;
    DbAccess::xdata(*this) = std::move(updated);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::copyFrom(const AcRxObject* other) {
    if (other == nullptr)
        return Acad::eNullObjectPointer;
    if (other->isA() != isA())
        return Acad::eNotThatKindOfClass;
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    const auto* source = static_cast<const AcDbObject*>(other);
    if (source->m_xdata == nullptr)
        m_xdata.reset();
    else
        DbAccess::xdata(*this) = *source->m_xdata;
    return Acad::eOk;
}

bool AcDbObject::isEqualTo(const AcRxObject* other) const {
    if (other == nullptr || other->isA() != isA())
        return false;
    const auto* that = static_cast<const AcDbObject*>(other);
    const hxhost::XDataStore none;
    return (m_xdata ? *m_xdata : none) == (that->m_xdata ? *that->m_xdata : none);
}
