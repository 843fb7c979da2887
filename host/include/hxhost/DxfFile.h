// Stand-in only: what the last DXF read or write of the stand-in database
// (readDwgFile, saveAs, wblock) had to say, for tests and tools. Module code
// never includes this header.
//
// An error is one line "FILE:LINE: what was expected, what was found" (LINE is
// the 1-based line of the file where reading stopped; 0 when the file did not
// open). Findings are what a successful read or write did not carry over
// one to one: entities of kinds the stand-in does not hold (skipped, with
// their line), table records and objects it does not keep, xdata of skipped
// objects, custom entities a codec refused. Nothing is ever dropped without a
// finding.
#pragma once

#include <string>
#include <vector>

#define HX_DXF_FILE_API __attribute__((visibility("default")))

namespace hxhost {

// The error of the last DXF read or write; empty when it succeeded.
HX_DXF_FILE_API const std::string& lastFileError();
// The findings of the last DXF read or write, in file order (UTF-8).
HX_DXF_FILE_API const std::vector<std::string>& lastFileFindings();

} // namespace hxhost
