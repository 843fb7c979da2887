// Shared pieces of the fuzz harnesses: scratch files per process (removed at
// exit) for readers that take a path, text from raw bytes, and the clean-host
// check that turns a leaked object, buffer, lock or transaction into a
// finding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace hxfuzz {

// The path of this process's scratch file named `name` (in /tmp); the file
// is removed when the process exits.
std::string scratchPath(const char* name);

// Writes the bytes to this process's scratch file named `name` and returns
// its path as wide text, as readDwgFile takes it.
std::wstring writeScratch(const char* name, const uint8_t* data, size_t size);

// Wide text from raw bytes: an ASCII byte is one character, a byte with the
// high bit set joins the next byte into one character of U+0080..U+FFFF.
std::wstring wideFromBytes(const uint8_t* data, size_t size);

// Aborts with the ledger's counts when the host was left unclean, so that
// libFuzzer keeps the input as a crash.
void requireCleanHost(const char* harness);

} // namespace hxfuzz
