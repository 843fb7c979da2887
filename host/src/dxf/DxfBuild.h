// Host-internal: a DxfModel (a file as read) made into the objects of a
// database built without a default drawing. Custom entities come back through
// their codecs (hxhost/DxfCodec.h). Throws DxfError ("FILE:LINE: ...") for
// what the file's structure contradicts: handles used twice, an INSERT of a
// block the file does not define, a block without its BLOCK_RECORD.
#pragma once

#include "dxf/DxfModel.h"

#include <string>

namespace hxhost {

void buildDatabase(DxfModel& model, const std::string& fileName, AcDbDatabase& db);

} // namespace hxhost
