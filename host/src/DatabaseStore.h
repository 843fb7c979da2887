// DatabaseStore: what an AcDbDatabase holds. The stubs (and through them every
// resident object), the handle index, the handle seed, the ids of the symbol
// tables and the current layer, the insertion base, and the database's
// transaction manager. Owned by its AcDbDatabase.
#pragma once

#include "StubArena.h"
#include "dbmain.h"
#include "dbtrans.h"

#include <memory>
#include <unordered_map>

namespace hxhost {

class DatabaseStore {
public:
    explicit DatabaseStore(AcDbDatabase* db);
    // Ends the transactions still running, then deletes every object.
    ~DatabaseStore();
    DatabaseStore(const DatabaseStore&) = delete;
    DatabaseStore& operator=(const DatabaseStore&) = delete;

    // A new stub for obj with the next handle; the stub owns obj from now on.
    // Null (obj untouched) when the database is full.
    AcDbStub* adopt(AcDbObject* obj);
    // The stub of a handle, or null.
    AcDbStub* find(const AcDbHandle& handle) const;
    std::size_t objectCount(bool includeErased) const;

    AcDbDatabase* database() const { return m_db; }
    AcDbHandle seed{1};
    AcDbObjectId blockTable;
    AcDbObjectId layerTable;
    AcDbObjectId regAppTable;
    AcDbObjectId clayer;
    AcGePoint3d insbase;
    bool noDocument = false;
    std::unique_ptr<AcTransactionManager> transactions;

private:
    AcDbDatabase* m_db;
    StubArena m_stubs;
    std::unordered_map<Adesk::UInt64, AcDbStub*> m_byHandle;
};

} // namespace hxhost
