// The drawing database's object model: AcDbObject, AcDbEntity, AcDbDatabase and
// the functions that open objects by id.
//
// Ownership. An object made with new belongs to its maker until it is added to
// a database (addAcDbObject, a symbol table's add, a block's appendAcDbEntity);
// from then on the database owns it, through the object's stub, until the
// database is deleted, and callers only open and close it. Erased objects stay
// in the database: their ids keep comparing and report isErased(). Deleting a
// database-resident object directly is a discipline error (asserted). An object
// never added to a database cannot be closed: its maker deletes it.
//
// Opening. A database-resident object is open for read by any number of
// readers or for write by one writer. Every open (acdbOpenObject and friends,
// symbol-table getAt, a block iterator's getEntity, a transaction's getObject,
// and the add/append calls, which leave the object open for write) counts as
// one outstanding open object in the stand-in's ledger until it is closed. A
// new object not yet in a database is always read- and write-enabled.
#pragma once

#include "AcArray.h"
#include "acadstrc.h"
#include "acdb.h"
#include "adsdef.h"
#include "dbid.h"
#include "dbsubeid.h"
#include "gepnt3d.h"
#include "gept3dar.h"
#include "rxobject.h"

#include <memory>
#include <string>

class AcDbExtents;
class AcDbBlockTable;
class AcDbLayerTable;
class AcDbRegAppTable;
class AcDbTransactionManager;

namespace hxhost {
class DbAccess;
class DatabaseStore;
class XDataStore;
} // namespace hxhost

class HX_DB_API AcDbObject : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbObject);
    // Asserts that the object is not database-resident.
    ~AcDbObject() override;
    AcDbObject(const AcDbObject&) = delete;
    AcDbObject& operator=(const AcDbObject&) = delete;

    // Null id / null database / null handle while the object is not resident.
    AcDbObjectId objectId() const;
    AcDbObjectId ownerId() const;
    AcDbDatabase* database() const;
    void getAcDbHandle(AcDbHandle& handle) const;
    AcDbHandle handle() const;

    bool isErased() const;
    bool isReadEnabled() const;
    bool isWriteEnabled() const;
    // True from construction until the first close after it joined a database.
    bool isNewObject() const;
    // True while a transaction holds the object (close() then leaves it open).
    bool isTransactionResident() const;

    // Erases (true) or unerases (false). Needs the object open for write
    // (eNotOpenForWrite) and resident (eNotInDatabase); erasing an erased
    // object gives eWasErased, unerasing a live one eNotApplicable.
    Acad::ErrorStatus erase(bool erasing = true);
    // Releases one open. eNotInDatabase for an object never added (delete it
    // instead), eNotOpenForRead when it is not open; both change nothing. An
    // object held by a transaction stays open until the transaction ends (eOk).
    Acad::ErrorStatus close();
    // From the only reader to writer. eWasOpenForWrite when already open for
    // write (and for new objects), eHadMultipleReaders with several readers,
    // eNotOpenForRead when not open, eOnLockedLayer for an entity on a locked
    // layer (or when the stand-in refuses: fault "upgradeOpen").
    Acad::ErrorStatus upgradeOpen();
    // From writer to one reader; eNotOpenForWrite when not open for write,
    // eNotInDatabase for a new object.
    Acad::ErrorStatus downgradeOpen();

    // Extended data. xData returns a new chain that the caller releases with
    // acutRelRb: the items of application app, led by its 1001 item (the name
    // as registered), or of every application when app is null; null when there
    // are none, when app is empty, or when the object is not open.
    virtual resbuf* xData(const ACHAR* app = nullptr) const;
    // Replaces, application by application, the xdata of the applications
    // named by the chain's 1001 items; an application given with its 1001 item
    // alone loses its xdata. The chain stays the caller's. Needs write
    // (eNotOpenForWrite); null chain eInvalidInput; a chain not led by 1001 or
    // with a code that is not xdata eInvalidResBuf; an application not in the
    // APPID table of the object's database (of the working database for a new
    // object) eRegappIdNotFound; more than 16383 bytes of xdata in all
    // eXdataSizeExceeded; fault "setXData" eOutOfMemory. Nothing changes on
    // failure.
    virtual Acad::ErrorStatus setXData(const resbuf* chain);

    // Copies the other object's data (xdata and what subclasses add) into this
    // one. Needs write; other null eNullObjectPointer; another class
    // eNotThatKindOfClass. Subclasses extend both hooks and call the base first.
    virtual Acad::ErrorStatus copyFrom(const AcRxObject* other);
    // True when other has the same class and equal data (xdata included).
    virtual bool isEqualTo(const AcRxObject* other) const;

protected:
    AcDbObject();

private:
    friend class hxhost::DbAccess;
    AcDbStub* m_stub = nullptr;
    AcDbObjectId m_ownerId;
    int m_readers = 0;
    bool m_writer = false;
    bool m_newObject = true;
    int m_transactionHolds = 0;
    std::unique_ptr<hxhost::XDataStore> m_xdata;
};

class HX_DB_API AcDbEntity : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbEntity);

    // The block table record that owns the entity (null until appended).
    AcDbObjectId blockId() const { return ownerId(); }
    // The layer's name as a new string (acutNewString; release it with
    // acutDelString); null while the entity has no layer.
    ACHAR* layer() const;
    AcDbObjectId layerId() const { return m_layerId; }
    // Puts the entity on the named layer of its database (of the working
    // database for a new entity). Needs write; null name eInvalidInput; no such
    // layer eKeyNotFound.
    Acad::ErrorStatus setLayer(const ACHAR* name, bool doSubents = true);
    // Needs write; an id that is not a live layer record gives eInvalidInput.
    Acad::ErrorStatus setLayer(AcDbObjectId layer, bool doSubents = true);
    // Colour number; 256 (by layer) for a new entity.
    Adesk::UInt16 colorIndex() const { return m_color; }
    // Needs write; numbers above 257 give eInvalidInput.
    Acad::ErrorStatus setColorIndex(Adesk::UInt16 color, bool doSubents = true);

    // The entity's box in world coordinates; eInvalidExtents for entities
    // without geometry.
    virtual Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const;
    // Appends new entities (owned by the caller) that make up this one;
    // eNotApplicable for entities that do not explode.
    virtual Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const;
    // Appends to points where this entity meets another, in the plan (XY; z
    // taken from this entity). intType says which operand is taken as
    // unbounded (only lines extend). eInvalidInput for a null entity;
    // eNotApplicable for entities of kinds that do not intersect (the base
    // class, and pairs the stand-in does not handle).
    virtual Acad::ErrorStatus intersectWith(const AcDbEntity* entity, AcDb::Intersect intType,
                                            AcGePoint3dArray& points,
                                            Adesk::GsMarker thisGsMarker = 0,
                                            Adesk::GsMarker otherGsMarker = 0) const;

    // Switches the entity's highlighting on or off. The state outlives the
    // open: it is display state. The stand-in has no sub-entities, so any path
    // (and highlightAll) affects the whole entity. Needs the entity open
    // (eNotOpenForRead).
    Acad::ErrorStatus highlight(const AcDbFullSubentPath& path = kNullSubent,
                                bool highlightAll = false) const;
    Acad::ErrorStatus unhighlight(const AcDbFullSubentPath& path = kNullSubent,
                                  bool highlightAll = false) const;
    // Stand-in only: whether the entity is highlighted now.
    bool isHighlighted() const { return m_highlighted; }

    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

protected:
    AcDbEntity();

private:
    friend class hxhost::DbAccess;
    std::wstring m_layerName;
    AcDbObjectId m_layerId;
    Adesk::UInt16 m_color = 256;
    mutable bool m_highlighted = false;
};

class HX_DB_API AcDbDatabase : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbDatabase);
    // With buildDefaultDrawing, the database holds the block table with
    // "*Model_Space" and "*Paper_Space", the layer table with "0" (the current
    // layer) and the registered-application table with "ACAD". Without it the
    // three tables exist but are empty. noDocument is recorded only.
    explicit AcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
    // Deletes every object of the database. Ids of its objects become invalid;
    // if it was the working database there is none afterwards.
    ~AcDbDatabase() override;
    AcDbDatabase(const AcDbDatabase&) = delete;
    AcDbDatabase& operator=(const AcDbDatabase&) = delete;

    // Makes obj resident (next handle, no owner) and leaves it open for write;
    // the caller closes it. Null eNullObjectPointer; already resident
    // eAlreadyInDb.
    Acad::ErrorStatus addAcDbObject(AcDbObject* obj);
    Acad::ErrorStatus addAcDbObject(AcDbObjectId& id, AcDbObject* obj);
    // The id of the object with that handle (erased objects included). Never
    // creates one: eNullHandle for the null handle, eUnknownHandle when no
    // object has it; id is left alone on failure.
    Acad::ErrorStatus getAcDbObjectId(AcDbObjectId& id, bool createIfNotFound,
                                      const AcDbHandle& handle, Adesk::UInt32 xRefId = 0);
    // The handle the next added object gets.
    AcDbHandle handseed() const;
    AcGePoint3d insbase() const;
    Acad::ErrorStatus setInsbase(const AcGePoint3d& base);

    // The drawing's unit; setInsunits gives eInvalidInput outside 0..24.
    AcDb::UnitsValue insunits() const;
    Acad::ErrorStatus setInsunits(AcDb::UnitsValue units);

    // Drawing files. The stand-in reads and writes ASCII DXF (whatever the
    // file's name ends with); file names are host paths, with backslashes and
    // any case (hxhost/HostPath.h); the error text and the findings of the last
    // read or write are kept for tests and tools (hxhost/DxfFile.h).
    enum OpenMode {
        kForReadAndReadShare = 1,
        kForReadAndWriteNoShare = 2,
        kForReadAndAllShare = 3,
        kTryForReadShare = 4
    };
    // Replaces the whole contents of this database with the drawing of the
    // file (AC1015 or later), handles as in the file. Null name
    // eInvalidInput; a file that does not open eFileNotFound; a file that is
    // not a DXF drawing of a version read here, or a binary drawing (DWG or
    // binary DXF, whatever the name ends with), eInvalidDwgVersion or
    // eBadDxfSequence; a malformed or truncated one eDxfReadAborted. An object
    // of this database still open, or a running transaction, gives
    // eWasOpenForWrite. On failure the database is unchanged. The share mode,
    // code-page conversion flag and password are accepted and ignored.
    Acad::ErrorStatus readDwgFile(const ACHAR* fileName, OpenMode mode = kForReadAndReadShare,
                                  bool allowCPConversion = false,
                                  const wchar_t* password = nullptr);
    Acad::ErrorStatus readDwgFile(const ACHAR* fileName, int shareMode,
                                  bool allowCPConversion = false,
                                  const wchar_t* password = nullptr);
    // Writes the database as an AutoCAD 2000 (AC1015) ASCII DXF file,
    // whatever version is asked for (kDHL_1015 or later; earlier ones give
    // eInvalidDwgVersion). The file is written beside the target and renamed
    // over it, so a failed save leaves the old file as it was; with
    // bBakAndRename the old file is kept as NAME.bak. Null name eInvalidInput;
    // an object of the database still open eWasOpenForWrite; a file that cannot
    // be written
    // eFileAccessErr. The database is not changed.
    Acad::ErrorStatus saveAs(const ACHAR* fileName, bool bBakAndRename = true,
                             AcDb::AcDbDwgVersion ver = AcDb::kDHL_CURRENT,
                             const void* security = nullptr);
    // A new database (the caller deletes it) holding a copy of every object
    // of this one, handles included. output is null on failure (an object
    // still open: eWasOpenForWrite).
    Acad::ErrorStatus wblock(AcDbDatabase*& output);

    AcDbObjectId blockTableId() const;
    AcDbObjectId layerTableId() const;
    AcDbObjectId regAppTableId() const;
    // The current layer ("0"; null in a database without a default drawing).
    AcDbObjectId clayer() const;

    // Opens a symbol table (open rules as acdbOpenObject; fault
    // "getSymbolTable" gives eWasOpenForWrite). table is null on failure.
    Acad::ErrorStatus getSymbolTable(AcDbBlockTable*& table, AcDb::OpenMode mode);
    Acad::ErrorStatus getSymbolTable(AcDbLayerTable*& table, AcDb::OpenMode mode);
    Acad::ErrorStatus getSymbolTable(AcDbRegAppTable*& table, AcDb::OpenMode mode);
    Acad::ErrorStatus getBlockTable(AcDbBlockTable*& table, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getRegAppTable(AcDbRegAppTable*& table, AcDb::OpenMode mode = AcDb::kForRead);

    // The database's transaction manager (owned by the database).
    AcDbTransactionManager* transactionManager() const;

private:
    friend class hxhost::DbAccess;
    std::unique_ptr<hxhost::DatabaseStore> m_store;
};

// Opens the object of id. The class filter cls (null: any class) accepts the
// class and its subclasses. On failure obj is null and the object's state is
// unchanged. Statuses, in the order they are checked: eNullObjectId;
// eInvalidOpenState for a mode other than read or write; eInvalidInput for an
// id of no live database; eWasOpenForWrite when the stand-in refuses (fault
// "acdbOpenObject"); eWasErased unless openErased; eNotThatKindOfClass;
// eWasOpenForWrite (already open for write), eWasOpenForRead (write wanted
// while open for read); eOnLockedLayer (write to an entity on a locked layer);
// eAtMaxReaders (256 readers).
HX_DB_API Acad::ErrorStatus acdbOpenObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                                           bool openErased, const AcRxClass* cls);
HX_DB_API Acad::ErrorStatus acdbOpenObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                                           bool openErased = false);
HX_DB_API Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& obj, AcDbObjectId id,
                                               AcDb::OpenMode mode, bool openErased = false);
// As acdbOpenObject with the entity class, but eNotAnEntity for other objects.
HX_DB_API Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& ent, AcDbObjectId id,
                                               AcDb::OpenMode mode, bool openErased = false);

// The class-filtered open: T::desc() is the filter.
template <class T>
inline Acad::ErrorStatus acdbOpenObject(T*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                                        bool openErased = false) {
    AcDbObject* opened = nullptr;
    Acad::ErrorStatus es = acdbOpenObject(opened, id, mode, openErased, T::desc());
    obj = static_cast<T*>(opened);
    return es;
}

// The entity name of an id: name[0] is the id's stub, name[1] is 0;
// eNullObjectId (name untouched) for the null id.
HX_DB_API Acad::ErrorStatus acdbGetAdsName(ads_name& name, AcDbObjectId id);
// The id of an entity name; eInvalidAdsName when it names no object of a live
// database (id left alone).
HX_DB_API Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name name);
