// Entity fields, block references and object helpers of HxWtUtility: named
// fields of the product's entities (HxDbEntity), the block a block reference
// shows, the block definition of a name, erasing an object and filtering an id
// list by class.
//
// Every function opens what it needs for the shortest time and closes it on
// every path; failures show only in the result (0 or an empty string). Null,
// erased or foreign ids simply do not open. Field names and values are
// zero-terminated wide strings; a field whose value is empty counts as absent.
#pragma once

#include "HxWtHost.h"

#include "HxAecDbObject.h"
#include "HxList.h"

// Gives the entity's field `name` the text `value`. 1 when id opened as an
// HxDbEntity for write, else 0.
HXWTUTILITY_API int HxWtSetEntityFields(AcDbObjectId id, const wchar_t* name, const wchar_t* value);
// The same on an entity the caller has open for write; always 1.
HXWTUTILITY_API int HxWtSetEntityFields(HxDbEntity* entity, const wchar_t* name,
                                        const wchar_t* value);

// Puts the text of field `name` into value (left as it was when the field does
// not exist). 1 when id opened as an HxDbEntity (for write, as the setter),
// else 0 and value untouched.
HXWTUTILITY_API int HxWtGetEntityFields(AcDbObjectId id, const wchar_t* name, CString& value);
// The same on an open entity; always 1.
HXWTUTILITY_API int HxWtGetEntityFields(HxDbEntity* entity, const wchar_t* name, CString& value);

// 1 when the entity's field `name` has a non-empty value, else 0 (also when id
// does not open).
HXWTUTILITY_API int HxWtEntityIsHaveFields(AcDbObjectId id, const wchar_t* name);
HXWTUTILITY_API int HxWtEntityIsHaveFields(HxDbEntity* entity, const wchar_t* name);

// The name of the block that the block reference refId shows; empty when refId
// is not a block reference that opens or its block does not open.
HXWTUTILITY_API CString HxWtGetBlockReferenceName(AcDbObjectId refId);

// The block definition (block table record) of that name in the working
// database: 1 and blockId set, or 0 with blockId unchanged when there is none.
HXWTUTILITY_API int HxWtGetBlockReferenceId(const CString& blockName, AcDbObjectId& blockId);

// Erases the object of id: 1 when it opened for write (the erase status is not
// looked at), 0 when it did not open (erased ids included).
HXWTUTILITY_API int HxWtEraseObject(AcDbObjectId id);

// Removes from ids every id whose object opens and is neither of class cls
// nor of a class derived from it. Ids that do not open (erased ones included)
// stay; the order of the rest is kept. A null cls removes every id that opens.
HXWTUTILITY_API void EntityListFilter(HxList<AcDbObjectId>& ids, const AcRxClass* cls);
