// DbAccess: the one gateway through which the stand-in's own code reaches the
// private state of database classes (open counts, stubs, record lists). Module
// code never sees it. All functions are static; none takes ownership unless it
// says so.
#pragma once

#include "database/DatabaseStore.h"
#include "database/DbStub.h"
#include "database/XDataStore.h"
#include "acdocman.h"
#include "dbmain.h"
#include "dbents.h"
#include "dbsymtb.h"

#include <string>

namespace hxhost {

class DbAccess {
public:
    // --- objects and their open state
    static AcDbStub* stub(const AcDbObject& obj) { return obj.m_stub; }
    static int readers(const AcDbObject& obj) { return obj.m_readers; }
    static bool writer(const AcDbObject& obj) { return obj.m_writer; }
    static void setOpen(AcDbObject& obj, int readers, bool writer) {
        obj.m_readers = readers;
        obj.m_writer = writer;
    }
    // How many transactions hold the object.
    static int& transactionHolds(AcDbObject& obj) { return obj.m_transactionHolds; }

    // The object of an id of a live database, or null.
    static AcDbObject* objectOf(AcDbObjectId id);
    // Makes obj resident in db (owned by its stub from now on) under owner and
    // leaves it open for write, counted in the ledger. eOutOfMemory (obj still
    // the caller's) when the database is full.
    static Acad::ErrorStatus makeResident(AcDbDatabase& db, AcDbObject& obj, AcDbObjectId owner,
                                          AcDbObjectId* id = nullptr);
    // As makeResident, but the object is left closed and not new: the
    // database's own objects. Takes ownership of obj in every case.
    static AcDbObjectId adoptClosed(AcDbDatabase& db, AcDbObject* obj, AcDbObjectId owner);
    // Deletes a resident object as its database goes.
    static void destroyResident(AcDbStub& stub);

    // --- database
    static DatabaseStore& store(const AcDbDatabase& db) { return *db.m_store; }

    // --- entities
    // The layer name the entity keeps beside its layer id.
    static const std::wstring& layerName(const AcDbEntity& ent) { return ent.m_layerName; }
    static void setLayer(AcDbEntity& ent, AcDbObjectId layer, const std::wstring& name) {
        ent.m_layerId = layer;
        ent.m_layerName = name;
    }

    // --- symbol tables
    static AcDbObjectIdArray& records(AcDbSymbolTable& table) { return table.m_records; }
    static const AcDbObjectIdArray& records(const AcDbSymbolTable& table) {
        return table.m_records;
    }
    static const std::wstring& name(const AcDbSymbolTableRecord& rec) { return rec.m_name; }
    static void setName(AcDbSymbolTableRecord& rec, const std::wstring& name) { rec.m_name = name; }
    static AcDbObjectIdArray& entities(AcDbBlockTableRecord& block) { return block.m_entities; }
    static const AcDbObjectIdArray& entities(const AcDbBlockTableRecord& block) {
        return block.m_entities;
    }

    // --- xdata
    static XDataStore& xdata(AcDbObject& obj);
    // The object's xdata, or null when it has none.
    static const XDataStore* xdataOf(const AcDbObject& obj) { return obj.m_xdata.get(); }
    // Adopts obj under owner with a handle of a drawing file, closed and not
    // new. The null id (obj untouched, still the caller's) when the handle is
    // null or in use.
    static AcDbObjectId adoptAt(AcDbDatabase& db, AcDbObject* obj, AcDbObjectId owner,
                                const AcDbHandle& handle);
    // Exchanges the whole contents (objects, handles, tables) of two
    // databases; each keeps its own transaction manager.
    static void swapContents(AcDbDatabase& a, AcDbDatabase& b);

    // --- block references
    static AcDbObjectIdArray& attributes(AcDbBlockReference& ref) { return ref.m_attributes; }

    // --- documents
    // A new document with a new default database, kept by the manager.
    static AcApDocument* openDocument(AcApDocManager& manager, const std::wstring& fileName);
    // Deletes a document (and its database); the most recent remaining one
    // becomes current. eNoDocument for a document the manager does not hold.
    static Acad::ErrorStatus closeDocument(AcApDocManager& manager, AcApDocument* doc);
};

} // namespace hxhost
