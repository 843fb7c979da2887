// Stand-in only: control of the drawings the stand-in host holds (documents,
// their databases, the working database), for tests and tools. Module code
// never includes this header.
//
// A document is made current, and its database working, with the host's own
// acDocManagerPtr()->setCurDocument(doc); a side database is made working with
// acdbHostApplicationServices()->setWorkingDatabase(db).
#pragma once

#include "acdb.h"
#include "acdocman.h"
#include "dbmain.h"

#include <vector>

#define HX_DRAWING_API __attribute__((visibility("default")))

namespace hxhost {

// Closes every document (ending its transactions and dropping its locks) and
// deletes its database, leaving one new current document ("Drawing1.dwg")
// with a new default database that is the working database. Databases that
// callers made themselves are theirs and stay.
HX_DRAWING_API void resetDrawings();

// Opens a new document with a new default database ("DrawingN.dwg"), makes it
// current and its database working, and returns it (owned by the manager).
HX_DRAWING_API AcApDocument* newDrawing();

// Closes a document as resetDrawings does; the most recently opened remaining
// document becomes current (none when it was the last). eNoDocument for null
// or a foreign document.
HX_DRAWING_API Acad::ErrorStatus closeDrawing(AcApDocument* doc);

// Objects in db (null: the working database), erased ones counted or not;
// 0 without a database.
HX_DRAWING_API int objectCount(const AcDbDatabase* db = nullptr, bool includeErased = true);

// A number that grows whenever an object of the database (the working one
// when null) is added, or closed or put back to read after being open for
// write. Caches over a drawing's geometry compare it to know they are current.
HX_DRAWING_API unsigned long long databaseRevision(const AcDbDatabase* db = nullptr);

// Appends to out the ids of the objects of db (null: the working database)
// added, or closed or put back to read after being open for write, since db
// stood at revision `since`: an id once per change, oldest first (an object
// changed twice is listed twice). False, out untouched, when the host no
// longer knows: it keeps only a bounded log of the latest changes, and forgets
// it on a change of the whole drawing; `since` must be a revision of db.
// What was done to an object (written, erased, added) is for the caller to
// find out by opening it.
HX_DRAWING_API bool changesSince(const AcDbDatabase* db, unsigned long long since,
                                 std::vector<AcDbObjectId>& out);

// How the object of id is open now, without opening it: kNotOpen, kForRead or
// kForWrite (kNotOpen also for ids of no live database).
HX_DRAWING_API AcDb::OpenMode openMode(AcDbObjectId id);
// How many openers hold the object (readers, or 1 for the writer).
HX_DRAWING_API int openCount(AcDbObjectId id);

// Whether the entity of id is highlighted, without opening it (false for ids
// that are not live entities).
HX_DRAWING_API bool isHighlighted(AcDbObjectId id);

// Appends ent to the model space of db (null: the working database) and
// closes it. Returns its id; the null id (ent still the caller's) when the
// model space is missing or refuses the entity.
HX_DRAWING_API AcDbObjectId addToModelSpace(AcDbEntity* ent, AcDbDatabase* db = nullptr);

// The layer of that name in db (null: the working database), made when
// missing, with its locked flag set as given. The null id when the layer
// table does not open or the name is ill-formed.
HX_DRAWING_API AcDbObjectId addLayer(const ACHAR* name, bool locked = false,
                                     AcDbDatabase* db = nullptr);

} // namespace hxhost
