// Module-internal: the root of the product's part libraries.
#pragma once

#include "atlstr.h"

// GetMainDirectory() + "DwgLib\", ending in a backslash.
CString GetDwgLibDirectory();
