// Stand-in only: why the last catalogue read (HxDtLib::ReadFromXML) failed,
// for tests and tools. Module code never includes this header.
#pragma once

#include <string>

#define HX_CATALOGUE_API __attribute__((visibility("default")))

namespace hxpeers {

// "FILE:LINE: expected WHAT, found WHAT" (UTF-8; LINE is 1-based, 0 when the
// file did not open) for the last ReadFromXML that returned false; empty
// after one that succeeded.
HX_CATALOGUE_API const std::string& lastCatalogueError();

} // namespace hxpeers
