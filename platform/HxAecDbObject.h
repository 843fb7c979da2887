// The product's base module HxAecDbObject: the base custom entity and its
// named fields, the elevation symbol, command registration and drawing queries.
#pragma once

#include <map>
#include <string>

#include "HxAecGeometry.h"
#include "HxDynArrayBase.h"
#include "AcArray.h"
#include "atlstr.h"
#include "dbmain.h"
#include "rxregsvc.h"
#include "accmd.h"

#ifndef HXAECDBOBJECT_API
#define HXAECDBOBJECT_API __declspec(dllimport)
#endif

// The named-field store of a product entity: field name -> text, saved with the
// entity. A field whose text is empty counts as absent.
class HXAECDBOBJECT_API HxDbFieldGroup {
public:
    // Gives the field the text (an empty text removes it); false for a null or
    // empty name.
    bool SetField(const wchar_t* name, const wchar_t* value);
    // Puts the field's text into value when the field exists (true); leaves
    // value as it is otherwise (false).
    bool GetField(const wchar_t* name, CString& value) const;
    int Count() const { return static_cast<int>(m_fields.size()); }
    const std::map<std::wstring, std::wstring>& All() const { return m_fields; }
    bool operator==(const HxDbFieldGroup& other) const { return m_fields == other.m_fields; }

private:
    std::map<std::wstring, std::wstring> m_fields;
};

// The base class of the product's custom entities. desc() serves as the class
// filter when an entity of the product is opened without knowing its kind.
class HXAECDBOBJECT_API HxDbEntity : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(HxDbEntity);
    HxDbEntity();
    ~HxDbEntity() override;

    // The field store; changing it needs the entity open for write (the store
    // itself cannot check that: callers keep the rule).
    HxDbFieldGroup& Fields();
    const HxDbFieldGroup& Fields() const;

    // Copies / compares the fields besides what AcDbEntity covers.
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

protected:
    // eOk when the entity may be changed: open for write, or not yet in a
    // database; eNotOpenForWrite otherwise.
    Acad::ErrorStatus CheckWrite() const;

private:
    HxDbFieldGroup m_fields;
};

// The product's elevation symbol: a location and the elevation text it shows.
class HXAECDBOBJECT_API HxDbSymbElevation : public HxDbEntity {
public:
    ACRX_DECLARE_MEMBERS(HxDbSymbElevation);
    HxDbSymbElevation();
    HxDbSymbElevation(const AcGePoint3d& location, const wchar_t* text);
    ~HxDbSymbElevation() override;

    // The elevation text as shown; valid while the entity is open.
    const wchar_t* GetElevationText() const;
    AcGePoint3d GetLocation() const;
    Acad::ErrorStatus SetElevationText(const wchar_t* text);
    Acad::ErrorStatus SetLocation(const AcGePoint3d& location);

    // The location as a point box.
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

private:
    AcGePoint3d m_location;
    std::wstring m_text;
};

// One row of a command table. Every field takes an 8-byte slot: the name and
// handler pointers, the flags and the command id in the low 4 bytes of their
// slots (the upper bytes are zero in static storage), and a last pointer-sized
// field.
struct HxCmdTable {
    const wchar_t* globalName;
    AcRxFunctionPtr handler;
    alignas(8) Adesk::Int32 flags;
    alignas(8) Adesk::Int32 commandId;
    Adesk::LongPtr last;
};

// Registers every row of the table as a command of the group with the host's
// command stack.
HXAECDBOBJECT_API void HxDefineCommand(const wchar_t* group, const HxCmdTable* rows, int count,
                                       int reserved);

// The drawing's unit, kept as the drawing's INSUNITS: 0 for a drawing in
// millimetres (or any unit but metres), 1 for one in metres. Null means the
// working drawing; 0 when there is none.
HXAECDBOBJECT_API unsigned char HxDbGetDrawUnit(AcDbDatabase* db);
// Sets the drawing's unit: 0 millimetres, any other value metres. Null means
// the working drawing; nothing when there is none.
HXAECDBOBJECT_API void HxDbSetDrawUnit(AcDbDatabase* db, unsigned char unit);

// Drawing queries of the base module.
class HXAECDBOBJECT_API HxReactors {
public:
    // Appends the ids of the working drawing's model-space entities (any
    // class) whose plan extents contain the point, edges included within
    // HxGeTolerance(), in drawing order; `id` (normally null) is never
    // reported, nor are entities without extents or that do not open for
    // read. Returns the count added (0 without a working drawing). Cost: one
    // pass over the model space.
    static int HitEntByExtent2d(const HxGePoint& pt, const AcDbObjectId& id,
                                HxDynArrayBase<AcDbObjectId>& hits);
};

// Deletes every entity of the array (the pieces of an exploded entity, none
// of them in a database) and empties it. Null elements are skipped.
HXAECDBOBJECT_API void ReleaseEntSet(AcArray<void*>& ents);
