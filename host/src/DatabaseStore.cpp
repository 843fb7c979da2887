// The database's object store: adoption of objects, the handle index, teardown.
#include "DatabaseStore.h"

#include "DbAccess.h"

namespace hxhost {

DatabaseStore::DatabaseStore(AcDbDatabase* db)
    : transactions(std::make_unique<AcTransactionManager>()), m_db(db) {}

DatabaseStore::~DatabaseStore() {
    transactions.reset();
    for (std::size_t i = m_stubs.size(); i > 0; --i)
        DbAccess::destroyResident(m_stubs.at(i - 1));
}

AcDbStub* DatabaseStore::adopt(AcDbObject* obj) {
    AcDbStub* stub = m_stubs.make();
    if (stub == nullptr)
        return nullptr;
    stub->database = m_db;
    stub->handle = seed;
    ++seed;
    stub->object.reset(obj);
    m_byHandle[stub->handle.value()] = stub;
    return stub;
}

AcDbStub* DatabaseStore::find(const AcDbHandle& handle) const {
    auto it = m_byHandle.find(handle.value());
    return it == m_byHandle.end() ? nullptr : it->second;
}

std::size_t DatabaseStore::objectCount(bool includeErased) const {
    std::size_t n = 0;
    for (std::size_t i = 0; i < m_stubs.size(); ++i) {
        if (includeErased || !m_stubs.at(i).erased)
            ++n;
    }
    return n;
}

} // namespace hxhost
