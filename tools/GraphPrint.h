// Printing a GraphView: the readable table of nodes and edges with their
// relations, and the JSON form (see the README, "hxwt network and path").
// Both are deterministic: the same graph gives the same bytes.
#pragma once

#include <ostream>
#include <string>

#include "FixedText.h"
#include "GraphView.h"

namespace hxwt {

// A number with at most three decimals, trailing zeros dropped ("12.5",
// "300", "-0.25"); negative zero prints as "0".
std::string formatNumber(double value);
// A slope with at most four decimals, the same way.
std::string formatSlope(double value);

// The table: a header line, the nodes, the edges and, for a path, the path
// in order; columns as wide as their cells, units in the headers. Index
// lists print space-separated, "-" when empty.
void printTable(std::ostream& out, const GraphView& view);

// The JSON object of the view, ending in a newline.
void printJson(std::ostream& out, const GraphView& view);

} // namespace hxwt
