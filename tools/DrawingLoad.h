// Drawings for the tool: the working database of the stand-in host, reading a
// DXF drawing into it, and the ids behind the hex handles a user types.
#pragma once

#include <string>

#include "dbmain.h"

namespace hxwt {

// The database of the current document; when no document is current, a new
// drawing is opened and made current. Never null; owned by the host.
AcDbDatabase* currentDatabase();

// Reads the drawing at path into the current document's database (replacing
// what it held), through readDrawingInto (DrawingFile.h). False with the
// problem or the reader's error ("FILE:LINE: ...") in *error.
bool loadDrawing(const std::string& path, std::string* error);

// The id of the object whose handle is the hex text (as the drawing gives
// it, case-insensitive) in db; the null id for empty or malformed text, a
// null db, or a handle no object has.
AcDbObjectId idFromHandle(AcDbDatabase* db, const std::string& hexText);

// True when id is a pipe of the product (opened for read and closed).
bool isPipeEntity(AcDbObjectId id);

// The handle of id as upper-case hex ("0" for the null id).
std::string handleText(AcDbObjectId id);

} // namespace hxwt
