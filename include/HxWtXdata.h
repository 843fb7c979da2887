// Xdata storage of HxWtUtility: a text or a reference to another object kept
// on a drawing object as extended entity data under an application name.
//
// Layouts. A text is stored as 1001 application name, then one 1000 string
// when the text takes at most 255 bytes in the ANSI code page, else as 1004
// binary chunks of those bytes, 127 to a chunk, the last one holding the rest
// (an empty last chunk when the length is a multiple of 127). A reference is
// stored as 1001 application name, 1005 handle text. Each setter replaces the
// whole xdata of its application; other applications' xdata stays.
//
// Pairs: the object forms work on an object the caller has open, the id forms
// open the object themselves and close it before they return. All functions
// return 1 on success and 0 on failure, print nothing and throw nothing.
// A null application name gives 0 everywhere.
#pragma once

#include "HxWtHost.h"

// Stores the text `value` under appName on obj (open for read or write),
// registering appName in db (null: the working database) when the object has
// no xdata of it yet. Locks the current document for write around the change
// (0 when the lock is refused) and unlocks it on every path. obj is open for
// read on return. Null obj gives 0.
HXWTUTILITY_API int HxWtSetXdata(AcDbObject* obj, wchar_t* appName, CString value,
                                 AcDbDatabase* db);
// Opens id for read and stores as above. An appName of more than 32
// characters is cut to its first 31 in the caller's buffer. Null or erased
// ids give 0.
HXWTUTILITY_API int HxWtSetXdata(AcDbObjectId id, wchar_t* appName, CString value,
                                 AcDbDatabase* db);

// Reads the text stored under appName on the open obj into value (emptied
// first): the first 1000 string outside 1002 braces, else the joined 1004
// chunks converted from the ANSI code page. 0 and an empty value when obj is
// null or holds neither.
HXWTUTILITY_API int HxWtGetXdata(AcDbObject* obj, wchar_t* appName, CString& value);
// Empties value, cuts appName as the id form of the setter does, opens id for
// read and reads as above. Null or erased ids give 0.
HXWTUTILITY_API int HxWtGetXdata(AcDbObjectId id, wchar_t* appName, CString& value);

// Stores the handle of refId under appName on obj, which the caller has open
// for write (no lock is taken, obj is not upgraded). Registers appName in the
// working drawing when missing. 0 when obj is null, the registration fails,
// refId does not open or the xdata is refused.
HXWTUTILITY_API int HxWtSetHandleXdata(AcDbObject* obj, wchar_t* appName, AcDbObjectId refId);
// Opens id for write and stores as above; appName is used unchanged.
HXWTUTILITY_API int HxWtSetHandleXdata(AcDbObjectId id, wchar_t* appName, AcDbObjectId refId);

// Reads the handle stored under appName on obj and sets refId to the object of
// the working database with that handle. 0 (refId untouched) when obj is null,
// appName is not registered, there is no xdata or 1005 item of it, or no
// object has the handle.
HXWTUTILITY_API int HxWtGetHandleXdata(AcDbObject* obj, wchar_t* appName, AcDbObjectId& refId);
// Opens id for read and reads as above; appName is used unchanged.
HXWTUTILITY_API int HxWtGetHandleXdata(AcDbObjectId id, wchar_t* appName, AcDbObjectId& refId);
