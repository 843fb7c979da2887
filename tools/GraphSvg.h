// Drawing a GraphView as SVG: each edge a <line> with an arrow head in the
// flow direction (start node -> end node; no head when a node is unknown),
// each well a <circle>, each pool a <rect>, the root ringed in red and
// labelled "root", wells labelled with prefix + index, pipes with "DN" and
// their diameter. The plan is fitted into an 800-pixel-wide picture with y
// up. Deterministic: the same view gives the same bytes.
#pragma once

#include <ostream>

#include "GraphView.h"

namespace hxwt {

// Writes the whole SVG document. An empty view gives an empty picture.
void writeSvg(std::ostream& out, const GraphView& view);

} // namespace hxwt
