// Stand-in only: file names written the host's way, opened on this platform.
// Every file operation of the stand-ins (drawing files, part catalogues) goes
// through hostPath, so module code can build paths as it does on the host.
//
// A host path is wide text with backslashes between its components, and the
// host's file system matches names without regard to case. hostPath turns it
// into a UTF-8 path of this platform: every '\' becomes '/', and when the path
// does not exist as written, each component is looked up in its folder
// without regard to the case of A-Z (the first match in name order wins).
// From the first component that matches nothing, the rest is kept as written,
// so a file about to be made keeps the name it was given in an existing
// folder.
#pragma once

#include <string>

#define HX_HOST_PATH_API __attribute__((visibility("default")))

namespace hxhost {

// The platform path of a host path (null gives the empty string).
HX_HOST_PATH_API std::string hostPath(const wchar_t* path);
// The same for a path already in UTF-8.
HX_HOST_PATH_API std::string hostPath(const std::string& utf8Path);

// Wide text as UTF-8 (no checks: each code point as 1 to 4 bytes).
HX_HOST_PATH_API std::string utf8FromWide(const wchar_t* text);

} // namespace hxhost
