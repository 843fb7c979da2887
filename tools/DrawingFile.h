// Reading a DXF drawing for the tool's subcommands: a database of its own
// (not a document) in which the product's entities are read through their DXF
// codecs, and the read's error and findings printed on stderr.
#pragma once

#include <memory>
#include <string>

class AcDbDatabase;

namespace hxwt {

// Reads path into a new database (owned by the caller). Null, with the file's
// error printed on stderr, when the file does not read. The read's findings
// (what it kept or could not carry over) are printed on stderr either way.
std::unique_ptr<AcDbDatabase> readDrawing(const std::string& path);

// Saves db as the DXF file at path and prints the write's findings. A write
// that had to leave objects out is incomplete: the file is removed again.
// False, with the reason printed on stderr, when no complete file was written.
bool saveDrawing(AcDbDatabase& db, const std::string& path);

// Prints the findings of the last DXF read or write on stderr, one a line,
// each led by "hxwt: "; returns how many there were.
int printFindings();

} // namespace hxwt
