// Writing an InpModel as an EPANET input file: junctions, reservoirs, tanks,
// pipes, options and coordinates. The model's flow units must be metric (the
// file then holds lengths in metres and diameters in millimetres); pumps and
// valves of the model are written as pipes.
#pragma once

#include <string>

#include "InpModel.h"

namespace hxwt {

// The flow units EPANET reads with lengths in metres and diameters in
// millimetres.
bool isEpanetMetricUnits(const std::string& units);

// The text of the file. Tanks are written full (initial level = maximum
// level, minimum 0) with the diameter of a circle of their area.
std::string writeEpanet(const InpModel& model);

} // namespace hxwt
