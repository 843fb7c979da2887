// Writing an InpModel as a SWMM input file: junctions, outfalls, storage
// units, conduits with circular sections, options and coordinates. Offsets
// are depths above the node inverts; lengths and sizes in metres, so the
// model's flow units must be metric (CMS, LPS or MLD). Links of other kinds
// are written as conduits.
#pragma once

#include <string>

#include "InpModel.h"

namespace hxwt {

bool isSwmmMetricUnits(const std::string& units);

// The text of the file. Storage units have a constant area (FUNCTIONAL 0 0
// AREA).
std::string writeSwmm(const InpModel& model);

} // namespace hxwt
