// Symbol tables and their records: the block table (block definitions, which
// own the drawing's entities), the layer table and the registered-application
// (APPID) table, with their iterators.
//
// Ownership. A table is owned by its database and owns, in insertion order, the
// ids of its records; each record is owned by the database like any resident
// object. A block table record keeps the ids of its entities in append order.
// Iterators are made with new by newIterator and deleted by the caller; they
// walk the ids the table or block held when the iterator was made.
//
// Names compare without regard to the case of ASCII letters. Erased records
// keep their names but do not count for lookups (unless asked) nor for
// duplicates. Lookups read the table's records directly and open nothing; a
// record found is opened only by getAt.
#pragma once

#include "dbidar.h"
#include "dbmain.h"

#include <memory>
#include <string>

namespace hxhost {
class IdCursor;
} // namespace hxhost

class AcDbEntity;

class HX_DB_API AcDbSymbolTableRecord : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbSymbolTableRecord);

    // The name, valid while the record stays open and is not renamed. Needs the
    // record open (eNotOpenForRead; name untouched).
    Acad::ErrorStatus getName(const ACHAR*& name) const;
    // A copy of the name made with new[]; the caller delete[]s it. Needs the
    // record open (eNotOpenForRead; name untouched).
    Acad::ErrorStatus getName(ACHAR*& name) const;
    // Needs write (eNotOpenForWrite). Null, empty or ill-formed names (over 255
    // characters, or holding one of <>/\":;?*|,=` except a leading *) give
    // eInvalidSymbolTableName; the name of another live record of the same
    // table gives eDuplicateRecordName.
    Acad::ErrorStatus setName(const ACHAR* name);

protected:
    AcDbSymbolTableRecord() = default;

private:
    friend class hxhost::DbAccess;
    std::wstring m_name;
};

class HX_DB_API AcDbSymbolTableIterator {
public:
    ~AcDbSymbolTableIterator();
    AcDbSymbolTableIterator(const AcDbSymbolTableIterator&) = delete;
    AcDbSymbolTableIterator& operator=(const AcDbSymbolTableIterator&) = delete;

    // Back to the first (or last) record.
    void start(bool atBeginning = true, bool skipDeleted = true);
    bool done() const;
    void step(bool forward = true, bool skipDeleted = true);
    // eInvalidInput once done.
    Acad::ErrorStatus getRecordId(AcDbObjectId& id) const;
    // Opens the current record (rules of acdbOpenObject); eInvalidInput once
    // done.
    Acad::ErrorStatus getRecord(AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                                bool openErased = false) const;

private:
    friend class AcDbSymbolTable;
    explicit AcDbSymbolTableIterator(std::unique_ptr<hxhost::IdCursor> cursor);
    std::unique_ptr<hxhost::IdCursor> m_cursor;
};

class HX_DB_API AcDbSymbolTable : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbSymbolTable);

    // Opens the record of that name (rules of acdbOpenObject). Needs the table
    // open (eNotOpenForRead); null name eInvalidInput; no live record of that
    // name (nor an erased one, with openErased) eKeyNotFound. record is null on
    // failure.
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                            bool openErased = false) const;
    // The id of the live record of that name, or with getErasedRecord of an
    // erased one when no live one has it. Needs the table open
    // (eNotOpenForRead); null name eInvalidInput; none eKeyNotFound (id
    // untouched).
    Acad::ErrorStatus getIdAt(const ACHAR* name, AcDbObjectId& id,
                              bool getErasedRecord = false) const;
    // Whether a live record has that name / that id (false when the table is
    // not open or the argument is null).
    bool has(const ACHAR* name) const;
    bool has(AcDbObjectId id) const;
    // A new iterator over the records (caller deletes it). Needs the table open
    // (eNotOpenForRead; iterator null).
    Acad::ErrorStatus newIterator(AcDbSymbolTableIterator*& iterator, bool atBeginning = true,
                                  bool skipDeleted = true) const;

protected:
    AcDbSymbolTable() = default;
    // Adds a new record: the table's database adopts it, the table owns it and
    // it is left open for write (the caller closes it). Needs the table
    // resident (eNotInDatabase) and open for write (eNotOpenForWrite); null
    // record eNullObjectPointer; a resident
    // record eAlreadyInDb; an unnamed record eInvalidSymbolTableName; a name
    // taken eDuplicateRecordName; a record of another table's kind
    // eWrongObjectType.
    Acad::ErrorStatus addRecord(AcDbObjectId* id, AcDbSymbolTableRecord* record);
    // The record class this table holds.
    virtual const AcRxClass* recordClass() const = 0;

private:
    friend class hxhost::DbAccess;
    AcDbObjectIdArray m_records;
};

class HX_DB_API AcDbBlockTableRecordIterator {
public:
    ~AcDbBlockTableRecordIterator();
    AcDbBlockTableRecordIterator(const AcDbBlockTableRecordIterator&) = delete;
    AcDbBlockTableRecordIterator& operator=(const AcDbBlockTableRecordIterator&) = delete;

    void start(bool atBeginning = true, bool skipDeleted = true);
    bool done() const;
    void step(bool forward = true, bool skipDeleted = true);
    // eInvalidInput once done.
    Acad::ErrorStatus getEntityId(AcDbObjectId& id) const;
    // Opens the current entity (rules of acdbOpenObject); eInvalidInput once
    // done.
    Acad::ErrorStatus getEntity(AcDbEntity*& entity, AcDb::OpenMode mode,
                                bool openErased = false) const;

private:
    friend class AcDbBlockTableRecord;
    explicit AcDbBlockTableRecordIterator(std::unique_ptr<hxhost::IdCursor> cursor);
    std::unique_ptr<hxhost::IdCursor> m_cursor;
};

class HX_DB_API AcDbBlockTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockTableRecord);
    AcDbBlockTableRecord() = default;

    // Appends a new entity: it joins the block's database, the block owns it,
    // it takes the current layer if it has none, and it is left open for write
    // (the caller closes it). Needs the block open for write
    // (eNotOpenForWrite) and resident (eNotInDatabase); null entity
    // eNullEntityPointer; a resident entity eAlreadyInDb.
    Acad::ErrorStatus appendAcDbEntity(AcDbEntity* entity);
    Acad::ErrorStatus appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity);
    // A new iterator over the entities in append order (caller deletes it).
    // Needs the block open (eNotOpenForRead; iterator null).
    Acad::ErrorStatus newIterator(AcDbBlockTableRecordIterator*& iterator, bool atBeginning = true,
                                  bool skipDeleted = true) const;
    // The base point: the point of the block's own coordinates that a block
    // reference puts at its position (the origin unless set).
    AcGePoint3d origin() const { return m_origin; }
    // Needs the record open for write (eNotOpenForWrite).
    Acad::ErrorStatus setOrigin(const AcGePoint3d& origin);

private:
    friend class hxhost::DbAccess;
    AcDbObjectIdArray m_entities;
    AcGePoint3d m_origin;
};

class HX_DB_API AcDbBlockTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockTable);
    AcDbBlockTable() = default;
    using AcDbSymbolTable::getAt;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbBlockTableRecord*& record, AcDb::OpenMode mode,
                            bool openErased = false) const;
    Acad::ErrorStatus add(AcDbBlockTableRecord* record) { return addRecord(nullptr, record); }
    Acad::ErrorStatus add(AcDbObjectId& id, AcDbBlockTableRecord* record) {
        return addRecord(&id, record);
    }

protected:
    const AcRxClass* recordClass() const override;
};

class HX_DB_API AcDbLayerTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbLayerTableRecord);
    AcDbLayerTableRecord() = default;

    // A locked layer refuses writes to its entities (eOnLockedLayer).
    bool isLocked() const { return m_locked; }
    // Ignored unless the record is write-enabled.
    void setIsLocked(bool locked);
    Adesk::UInt16 colorIndex() const { return m_color; }
    // Ignored unless the record is write-enabled.
    void setColorIndex(Adesk::UInt16 color);

private:
    bool m_locked = false;
    Adesk::UInt16 m_color = 7;
};

class HX_DB_API AcDbLayerTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbLayerTable);
    AcDbLayerTable() = default;
    using AcDbSymbolTable::getAt;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbLayerTableRecord*& record, AcDb::OpenMode mode,
                            bool openErased = false) const;
    Acad::ErrorStatus add(AcDbLayerTableRecord* record) { return addRecord(nullptr, record); }
    Acad::ErrorStatus add(AcDbObjectId& id, AcDbLayerTableRecord* record) {
        return addRecord(&id, record);
    }

protected:
    const AcRxClass* recordClass() const override;
};

class HX_DB_API AcDbRegAppTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbRegAppTableRecord);
    AcDbRegAppTableRecord() = default;
};

class HX_DB_API AcDbRegAppTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbRegAppTable);
    AcDbRegAppTable() = default;
    using AcDbSymbolTable::getAt;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbRegAppTableRecord*& record, AcDb::OpenMode mode,
                            bool openErased = false) const;
    Acad::ErrorStatus add(AcDbRegAppTableRecord* record) { return addRecord(nullptr, record); }
    Acad::ErrorStatus add(AcDbObjectId& id, AcDbRegAppTableRecord* record) {
        return addRecord(&id, record);
    }

protected:
    const AcRxClass* recordClass() const override;
};
