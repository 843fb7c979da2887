// Whether a file a command wrote is complete and readable by a reader
// nobody here wrote: ezdxf's audit for drawings, an XML parser for SVG, a zip
// reader and an XML parser for Word documents. A hydraulic input file has no
// such reader here: one that differs from the file written without a fault
// must at least read back through the tool's reader without an error.
#pragma once

#include <string>

enum class OutputKind { None, Dxf, Svg, Docx, Inp };

// Empty when the file at path is complete and readable as kind (or equal,
// byte for byte, to reference, which has been checked already); otherwise
// what is wrong with it.
std::string outputProblem(const std::string& path, OutputKind kind, const std::string& reference);
