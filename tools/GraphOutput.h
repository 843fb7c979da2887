// What network and path do after building a graph: print the table or the
// JSON, draw the SVG when asked, and turn the status into the exit code.
#pragma once

#include <string>

#include "GraphView.h"

namespace hxwt {

struct GraphOutputOptions {
    bool json = false;
    std::string svg; // empty: no drawing
};

// Prints the view (JSON or table) to standard output; a failed status also
// goes to standard error as PrintErrorCode prints it. Writes the SVG when
// asked and the graph was built. Returns the exit code: 0 for a built graph,
// 1 for a failed status, 2 when the SVG could not be written.
int finishGraph(const GraphView& view, const GraphOutputOptions& options);

// Parses "X,Y" into x and y; false (both untouched) for anything else.
bool parsePoint(const std::string& text, double& x, double& y);

} // namespace hxwt
