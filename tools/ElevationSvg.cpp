// Drawing the level map as SVG.
#include "ElevationSvg.h"

#include <algorithm>
#include <cstdio>

namespace hxwt {
namespace {

constexpr double kPixelsPerCell = 12.0;

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", v);
    return buf;
}

// Blue (0) through green to red (1).
std::string colour(double t) {
    t = std::clamp(t, 0.0, 1.0);
    const int r = static_cast<int>(255 * std::clamp(2 * t - 0.5, 0.0, 1.0));
    const int g = static_cast<int>(255 * (1 - std::abs(2 * t - 1)));
    const int b = static_cast<int>(255 * std::clamp(1.5 - 2 * t, 0.0, 1.0));
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", r, g, b);
    return buf;
}

} // namespace

std::string levelMapSvg(const LevelGrid& grid, const std::vector<AcGePoint3d>& samples) {
    const double width = grid.columns * kPixelsPerCell;
    const double height = grid.rows * kPixelsPerCell;
    const double scale = kPixelsPerCell / grid.step;
    auto px = [&](double x) { return number((x - grid.x0) * scale + kPixelsPerCell / 2); };
    auto py = [&](double y) {
        return number(height - ((y - grid.y0) * scale + kPixelsPerCell / 2));
    };
    double lo = 0, hi = 0;
    if (!grid.levels.empty()) {
        lo = *std::min_element(grid.levels.begin(), grid.levels.end());
        hi = *std::max_element(grid.levels.begin(), grid.levels.end());
    }
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(width) +
                      "\" height=\"" + number(height) + "\">\n";
    svg += "<title>ground level " + number(lo) + " .. " + number(hi) + "</title>\n";
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.columns; ++c) {
            const double level = grid.levels[static_cast<size_t>(r * grid.columns + c)];
            const double t = hi > lo ? (level - lo) / (hi - lo) : 0.5;
            svg += "<rect x=\"" + number(c * kPixelsPerCell) + "\" y=\"" +
                   number(height - (r + 1) * kPixelsPerCell) + "\" width=\"" +
                   number(kPixelsPerCell) + "\" height=\"" + number(kPixelsPerCell) + "\" fill=\"" +
                   colour(t) + "\"/>\n";
        }
    }
    for (const AcGePoint3d& s : samples) {
        svg += "<circle cx=\"" + px(s.x) + "\" cy=\"" + py(s.y) +
               "\" r=\"3\" fill=\"black\" stroke=\"white\"/>\n";
        svg += "<text x=\"" + px(s.x) + "\" y=\"" + py(s.y) +
               "\" dx=\"4\" dy=\"-4\" font-size=\"10\" font-family=\"sans-serif\">" + number(s.z) +
               "</text>\n";
    }
    svg += "</svg>\n";
    return svg;
}

} // namespace hxwt
