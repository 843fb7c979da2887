// Host-internal: a whole database as the text of an AutoCAD 2000 (AC1015)
// ASCII DXF file. Reads the database's objects directly (opens nothing,
// changes nothing). Erased objects are left out. Custom entities go through
// their codec (hxhost/DxfCodec.h); one without a codec, or refused by it, is
// left out and reported in findings.
#pragma once

#include "dbmain.h"

#include <string>
#include <vector>

namespace hxhost {

std::string writeDxf(const AcDbDatabase& db, std::vector<std::string>& findings);
// The same text in two parts, head (the HEADER and CLASSES sections) and
// body (the rest): the file is head followed by body.
void writeDxf(const AcDbDatabase& db, std::vector<std::string>& findings, std::string& head,
              std::string& body);

} // namespace hxhost
