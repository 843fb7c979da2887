// Output files of the network commands: never the input, written whole or
// not at all.
#pragma once

#include <string>

namespace hxwt {

// Whether a and b name the same file (compared after normalising both).
bool isSameFile(const std::string& a, const std::string& b);

// Writes text to a temporary file beside path and renames it to path, so that
// path holds the old file or the whole new one. False, with "PATH: why" in
// *error, when the write or the rename fails (the temporary file removed).
bool writeFileAtomically(const std::string& path, const std::string& text, std::string* error);

} // namespace hxwt
