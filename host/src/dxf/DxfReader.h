// Host-internal: reading the text of a DXF file into a DxfModel (the file's
// structure and values; no database is touched). Throws DxfError
// ("FILE:LINE: expected ...") at malformed or truncated input and at versions
// before AC1015.
#pragma once

#include "dxf/DxfModel.h"

#include <string>
#include <string_view>

namespace hxhost {

// text stays alive while the model lives: the model keeps views of it.
void readDxf(std::string_view text, const std::string& fileName, DxfModel& model);

} // namespace hxhost
