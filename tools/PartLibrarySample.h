// The drawings of the bundled part library (examples/DwgLib) and of the
// drawing with inserted valves (examples/valves.dxf), made through the API.
// The same call always gives the same files, byte for byte.
#pragma once

#include <string>

namespace hxwt {

// Writes outDir/valves.dxf and the valve and attachment drawings under
// outDir/DwgLib/ (the folders must exist). 0 on success; 1 with a message on
// stderr naming the file that could not be written.
int writePartLibrarySample(const std::string& outDir);

} // namespace hxwt
