// Symbol names as the host treats them: comparison without regard to the case
// of ASCII letters, the well-formedness rule, and lookup of a table's record by
// name (reading records directly, opening nothing).
#pragma once

#include "dbsymtb.h"

#include <string>

namespace hxhost {

// Equal when equal after folding ASCII letters to one case; null equals only
// null.
bool sameName(const ACHAR* a, const ACHAR* b);
// 1 to 255 characters, none of <>/\":;?*|,=` except a leading *.
bool isValidSymbolName(const ACHAR* name);
// The live record of that name in table; with includeErased the newest erased
// one when no live one has it; the null id when none (or name is null).
AcDbObjectId findRecord(const AcDbSymbolTable& table, const ACHAR* name, bool includeErased);

} // namespace hxhost
