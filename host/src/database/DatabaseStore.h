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
#include <vector>

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
    // (database, revision) pair never names two states. Moved only through
    // noteChange and forgetChanges, which keep the change log in step.
    std::uint64_t revision = nextRevision();
    static std::uint64_t nextRevision();
    // Moves the revision for a change of the object of stub (added, written
    // or erased) and logs it.
    void noteChange(AcDbStub* stub);
    // Moves the revision for a change of the whole database (its contents
    // exchanged with another's): the log starts over and reaches back to no
    // earlier revision.
    void forgetChanges();
    // Appends the ids of the objects changed since the database stood at
    // revision `since` (an id once per change, oldest first). False, out
    // untouched, when the log does not reach back that far or `since` was
    // never a revision of this database's log.
    bool changesSince(std::uint64_t since, std::vector<AcDbObjectId>& out) const;
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
    // One logged change: the object and the revision it moved the database to.
    struct Change {
        std::uint64_t revision;
        AcDbStub* stub;
    };
    // The log keeps at least this many of the latest changes; the older half
    // is dropped when it holds twice as many.
    static constexpr std::size_t kLogKeep = 1u << 14;

    AcDbDatabase* m_db;
    // Changes after m_logBase, in revision order.
    std::vector<Change> m_changes;
    std::uint64_t m_logBase = revision;
    StubArena m_stubs;
    std::unordered_map<Adesk::UInt64, AcDbStub*> m_byHandle;
};

} // namespace hxhost
