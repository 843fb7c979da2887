// Drawing the level map as SVG.
#include "ElevationSvg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "SvgParts.h"

namespace hxwt {
namespace {

constexpr double kMapSize = 600.0; // pixels on the longer side
constexpr double kMargin = 30.0;
constexpr int kBands = 20;

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

std::string bandColour(int band) {
    return colour((band + 0.5) / kBands);
}

std::string levelText(double level) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.3f", level);
    std::string text(buf);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

struct Layout {
    double cell = 1.0, width = 0.0, height = 0.0, lo = 0.0, hi = 0.0;

    int band(double level) const {
        if (!(hi > lo))
            return kBands / 2;
        return std::clamp(static_cast<int>((level - lo) / (hi - lo) * kBands), 0, kBands - 1);
    }
};

void drawCells(std::string& svg, const LevelGrid& grid, const Layout& l) {
    for (int r = 0; r < grid.rows; ++r) {
        const double y = kMargin + l.height - (r + 1) * l.cell;
        for (int c = 0; c < grid.columns;) {
            const int band = l.band(grid.levels[static_cast<size_t>(r * grid.columns + c)]);
            int end = c + 1;
            while (end < grid.columns &&
                   l.band(grid.levels[static_cast<size_t>(r * grid.columns + end)]) == band)
                ++end;
            svg += "<rect x=\"" + svgNumber(kMargin + c * l.cell) + "\" y=\"" + svgNumber(y) +
                   "\" width=\"" + svgNumber((end - c) * l.cell) + "\" height=\"" +
                   svgNumber(l.cell) + "\" fill=\"" + bandColour(band) + "\"/>\n";
            c = end;
        }
    }
}

void drawSamples(std::string& svg, const LevelGrid& grid, const Layout& l,
                 const std::vector<AcGePoint3d>& samples) {
    const double scale = l.cell / grid.step;
    for (const AcGePoint3d& s : samples) {
        const double x = kMargin + (s.x - grid.x0) * scale + l.cell / 2;
        const double y = kMargin + l.height - ((s.y - grid.y0) * scale + l.cell / 2);
        const bool right = x > kMargin + l.width - 60; // keep the label inside the map
        svg += "<circle cx=\"" + svgNumber(x) + "\" cy=\"" + svgNumber(y) +
               "\" r=\"3\" fill=\"black\" stroke=\"white\"/>\n";
        svg += "<text class=\"sample\" x=\"" + svgNumber(right ? x - 5 : x + 5) + "\" y=\"" +
               svgNumber(std::max(y - 4, kMargin + 10)) + "\"" +
               (right ? " text-anchor=\"end\"" : "") + ">" + levelText(s.z) + "</text>\n";
    }
}

void drawLegend(std::string& svg, const Layout& l) {
    const double x = kMargin + l.width + 20;
    const double h = std::min(l.height, 300.0) / kBands;
    svg += "<text x=\"" + svgNumber(x) + "\" y=\"" + svgNumber(kMargin - 8) +
           "\">ground level (m)</text>\n";
    for (int band = 0; band < kBands; ++band) {
        const double y = kMargin + (kBands - 1 - band) * h;
        svg += "<rect class=\"legend\" x=\"" + svgNumber(x) + "\" y=\"" + svgNumber(y) +
               "\" width=\"16\" height=\"" + svgNumber(h) + "\" fill=\"" + bandColour(band) +
               "\"/>\n";
    }
    svg += "<text x=\"" + svgNumber(x + 22) + "\" y=\"" + svgNumber(kMargin + 8) + "\">" +
           levelText(l.hi) + "</text>\n";
    svg += "<text x=\"" + svgNumber(x + 22) + "\" y=\"" + svgNumber(kMargin + kBands * h) + "\">" +
           levelText(l.lo) + "</text>\n";
}

} // namespace

std::string levelMapSvg(const LevelGrid& grid, const std::vector<AcGePoint3d>& samples) {
    Layout l;
    l.cell = kMapSize / std::max({grid.columns, grid.rows, 1});
    l.width = grid.columns * l.cell;
    l.height = grid.rows * l.cell;
    if (!grid.levels.empty()) {
        l.lo = *std::min_element(grid.levels.begin(), grid.levels.end());
        l.hi = *std::max_element(grid.levels.begin(), grid.levels.end());
    }
    const double width = kMargin + l.width + 130;
    const double height = kMargin + std::max(l.height, 300.0) + 40;
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + svgNumber(width) +
                      "\" height=\"" + svgNumber(height) + "\" viewBox=\"0 0 " + svgNumber(width) +
                      " " + svgNumber(height) + "\">\n";
    svg += "<title>ground level " + levelText(l.lo) + " .. " + levelText(l.hi) + " m</title>\n";
    svg += "<style>text{font:11px sans-serif}.sample{font-size:10px}</style>\n";
    svg += "<g shape-rendering=\"crispEdges\">\n";
    drawCells(svg, grid, l);
    svg += "</g>\n";
    drawSamples(svg, grid, l, samples);
    drawLegend(svg, l);
    svg += svgScaleBar(l.cell / grid.step, kMargin, kMargin + l.height + 24);
    svg += "</svg>\n";
    return svg;
}

} // namespace hxwt
