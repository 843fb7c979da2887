// Whether a file a command wrote is complete and readable by a reader
// nobody here wrote: ezdxf's audit for drawings, an XML parser for SVG.
#pragma once

#include <string>

enum class OutputKind { None, Dxf, Svg };

// Empty when the file at path is complete and readable as kind (or equal,
// byte for byte, to reference, which has been checked already); otherwise
// what is wrong with it.
std::string outputProblem(const std::string& path, OutputKind kind, const std::string& reference);
