// Reading a DXF drawing for the tool's subcommands, with one set of messages:
// what is wrong with a file that is no drawing (missing, a directory, empty,
// binary) and the reader's own reason with file and line. Every file read
// here is noted as an input of the run, so that no output can replace it.
#pragma once

#include <memory>
#include <string>

#include "ExitCode.h"

class AcDbDatabase;

namespace hxwt {

// Notes path as an input and says why it cannot be a drawing: "FILE: no such
// file", "FILE: is a directory, not a drawing", "FILE: is empty (0 bytes), not
// a drawing", "FILE: is a binary file (a DWG?); hxwt reads ASCII DXF". Empty
// when the file is worth handing to the reader.
std::string drawingFileProblem(const std::string& path);

// Reads path into a new database (owned by the caller). Null, with the
// problem or the reader's error printed on stderr, when the file does not
// read. The read's findings (what it kept or could not carry over) are
// printed on stderr either way.
std::unique_ptr<AcDbDatabase> readDrawing(const std::string& path);

// Reads path into db (replacing what it held). False with the problem or
// the reader's error ("FILE:LINE: ...") in *error; the findings go to stderr.
bool readDrawingInto(AcDbDatabase* db, const std::string& path, std::string* error);

// Writes db to path as a DXF drawing through an OutputFile: refused when path
// is an input, written under a temporary name and renamed only when whole. A
// device or pipe as output gets the drawing staged in the temporary
// directory and copied in, so that nothing is ever renamed over it. A write
// from which the host had to leave objects out is incomplete and is not
// committed: the output stays as it was. Gives kExitOk when written;
// kExitNegative when the host left objects out; kExitUsage when the file
// cannot be written; the reason in *error ("OUT: ..."), the findings on
// stderr.
ExitCode writeDrawing(AcDbDatabase* db, const std::string& path, std::string* error);

// Prints the findings of the last DXF read or write on stderr, one a line,
// each led by "hxwt: "; returns how many there were.
int printFindings();

} // namespace hxwt
