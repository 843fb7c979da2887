// DatabaseStore: what an AcDbDatabase holds. The stubs (and through them every
// resident object), the handle index, the handle seed, the ids of the symbol
// tables and the current layer, the insertion base, and the database's
// transaction manager. Owned by its AcDbDatabase.
#pragma once

#include "database/StubArena.h"
#include "dbmain.h"
#include "dbtrans.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
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
    // As adopt, with a handle of the caller's choice (a drawing file's); the
    // seed moves past it. Null (obj untouched) for the null handle, a handle in
    // use or a full database.
    AcDbStub* adoptAt(AcDbObject* obj, const AcDbHandle& handle);
    // Gives a stub another handle; false (nothing changed) for the null
    // handle or one in use by another stub. The seed moves past it.
    bool rehandle(AcDbStub* stub, const AcDbHandle& handle);
    // The stub of a handle, or null.
    AcDbStub* find(const AcDbHandle& handle) const;
    // Makes room in the handle index for that many more objects (a drawing
    // file about to be read knows how many it holds).
    void reserve(std::size_t objects);
    // Makes every stub (and the store) belong to db: after two databases
    // swapped their stores.
    void rebind(AcDbDatabase* db);
    std::size_t objectCount(bool includeErased) const;
    // True while any object of the database is open.
    bool anyOpen() const;

    AcDbDatabase* database() const { return m_db; }
    AcDbHandle seed{1};
    // Grows whenever an object is added or an object open for write is closed
    // or put back to read: a cheap test of whether the drawing may have changed.
    // Revisions are unique across every database of the process, so a
    // (database, revision) pair never names two states.
    std::uint64_t revision = nextRevision();
    static std::uint64_t nextRevision();
    AcDbObjectId blockTable;
    AcDbObjectId layerTable;
    AcDbObjectId regAppTable;
    AcDbObjectId clayer;
    AcGePoint3d insbase;
    bool noDocument = false;
    // The drawing's unit ($INSUNITS; 0 unitless).
    int insunits = 0;
    // Handles a drawing file gave to the parts of the file the stand-in does
    // not hold as objects (tables it does not model, BLOCK/ENDBLK/SEQEND
    // markers, the root dictionary), by their role ("TABLE:VPORT",
    // "ENDBLK:<block handle>", ...), so that writing the drawing again gives
    // them the same handles.
    std::map<std::string, Adesk::UInt64> fileHandles;
    std::unique_ptr<AcTransactionManager> transactions;

private:
    AcDbDatabase* m_db;
    StubArena m_stubs;
    std::unordered_map<Adesk::UInt64, AcDbStub*> m_byHandle;
};

} // namespace hxhost
