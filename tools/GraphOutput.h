// What network and path do after building a graph: print the table or the
// JSON, warn about pipes whose heights contradict the flow, draw the SVG when
// asked, and turn the status into the exit code.
#pragma once

#include <string>

#include "GraphView.h"

namespace hxwt {

struct GraphOutputOptions {
    bool json = false;
    std::string svg; // empty: no drawing
};

// Prints the view (JSON or table) to standard output. A failed status goes to
// standard error as PrintErrorCode prints it, followed by the English
// diagnosis naming the file. Writes the SVG (through a temporary file) when
// asked and the graph was built. Returns the exit code: 0 for a built graph,
// 1 for a failed status, 2 when the SVG could not be written.
int finishGraph(const GraphView& view, const GraphOutputOptions& options);

// Empty when the options may be used with input file; else the usage error
// (the SVG would replace the input, or is a directory).
std::string graphOutputRefusal(const GraphOutputOptions& options);

} // namespace hxwt
