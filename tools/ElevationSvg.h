// The level map of `hxwt elevation --svg`: a grid of cells coloured from blue
// (lowest level) to red (highest), the samples marked and labelled with their
// levels. The output depends only on its input (fixed number formats).
#pragma once

#include "gepnt3d.h"

#include <string>
#include <vector>

namespace hxwt {

struct LevelGrid {
    double x0 = 0, y0 = 0, step = 1;
    int columns = 0, rows = 0;
    std::vector<double> levels; // row by row from y0 upwards, columns from x0
};

// The SVG document of the grid and the samples.
std::string levelMapSvg(const LevelGrid& grid, const std::vector<AcGePoint3d>& samples);

} // namespace hxwt
