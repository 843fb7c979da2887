// Drawing a GraphView as SVG: each edge a <line> with an arrow head in the
// flow direction (start node -> end node, in every kind of network and on a
// path; a dashed line without a head for an undirected pipe of a pressure
// loop), each well a <circle>, each pool a <rect>, the root ringed in red and
// labelled "(root)", wells labelled with prefix + index, pipes with "DN" and
// their diameter (mm). A title, a legend and a scale bar (metres) go with the
// plan, which is fitted into an 800-pixel-wide picture with y up; labels near
// the right edge are anchored at their end so that they stay inside.
// Deterministic: the same view gives the same bytes.
#pragma once

#include <ostream>

#include "GraphView.h"

namespace hxwt {

// Writes the whole SVG document. An empty view gives an empty picture.
void writeSvg(std::ostream& out, const GraphView& view);

} // namespace hxwt
