// The level map of `hxwt elevation --svg`: every cell coloured by the ground
// level that the interpolation gives at its centre (the same numbers the
// grid prints), in twenty bands from blue (lowest) to red (highest); runs of
// one band merge into one rectangle, so the field reads as a surface. The
// samples are marked and labelled with their levels; a colour legend, a
// scale bar and the units stand beside the map. The output depends only on
// its input (fixed number formats).
#pragma once

#include "gepnt3d.h"

#include <string>
#include <vector>

namespace hxwt {

struct LevelGrid {
    double x0 = 0, y0 = 0, step = 1; // metres
    int columns = 0, rows = 0;
    std::vector<double> levels; // metres, row by row from y0 upwards, columns from x0
};

// The SVG document of the grid and the samples (positions and levels in
// metres).
std::string levelMapSvg(const LevelGrid& grid, const std::vector<AcGePoint3d>& samples);

} // namespace hxwt
