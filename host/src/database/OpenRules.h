// The open rules of resident objects, shared by every way of opening one
// (acdbOpenObject, symbol tables, iterators, transactions).
#pragma once

#include "dbmain.h"

namespace hxhost {

// eOnLockedLayer when obj is an entity on a locked layer, else eOk.
Acad::ErrorStatus checkWritable(const AcDbObject& obj);

// Opens the object of id (see acdbOpenObject for the statuses and their
// order); consultFault says whether fault "acdbOpenObject" applies. On success
// the open is counted in the ledger; on failure obj is null and nothing
// changed.
Acad::ErrorStatus openById(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased,
                           const AcRxClass* cls, bool consultFault);

// Releases one open of a resident object (the writer, else one reader) and
// its ledger count; false when it was not open.
// Marks the object's database as changed (its revision grows).
void noteChange(const AcDbObject& obj);
bool releaseOpen(AcDbObject& obj);

} // namespace hxhost
