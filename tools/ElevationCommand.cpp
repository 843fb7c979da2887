// hxwt elevation: the ground level at points of a DXF drawing, as lines, a
// CSV grid, a JSON array or an SVG level map.
#include "DrawingLoad.h"
#include "ElevationSvg.h"
#include "ExitCode.h"
#include "GraphPrint.h"
#include "NumberArgs.h"
#include "OutputGuard.h"
#include "Progress.h"
#include "TextTable.h"
#include "ToolCommands.h"

#include "HxWtUtility.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>

namespace hxwt {
namespace {

struct ElevationOptions {
    std::string file;
    std::vector<std::string> points;
    std::string grid;
    std::string svg;
    bool json = false;
};

constexpr long kMaxGridNodes = 1000000;
constexpr double kMapCells = 150.0; // cells on the longer side of a map without --grid

struct Point {
    double x = 0.0, y = 0.0;
};

// A computed grid coordinate: fifteen significant digits, which drop the
// binary noise of x0 + c * step and keep every decimal a user can type.
std::string gridNumber(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    return std::string(buf) == "-0" ? "0" : buf;
}

int usage(const std::string& text) {
    std::cerr << "hxwt: " << text << "\n";
    return kExitUsage;
}

// The grid of the option (checked), or one around the samples for a map.
bool gridFrame(const ElevationOptions& o, HxWtPointElevIndex& index, std::vector<double>& v,
               std::string* error) {
    if (!o.grid.empty()) {
        if (!parseNumbers(o.grid, 5, v, error))
            return false;
        if (v[4] <= 0 || v[2] < v[0] || v[3] < v[1]) {
            *error = "X0<=X1, Y0<=Y1 and STEP>0 wanted";
            return false;
        }
        return true;
    }
    AcGePoint3d s;
    index.GetSample(0, s);
    v = {s.x, s.y, s.x, s.y, 0};
    for (int i = 1; index.GetSample(i, s); ++i) {
        v[0] = std::min(v[0], s.x), v[1] = std::min(v[1], s.y);
        v[2] = std::max(v[2], s.x), v[3] = std::max(v[3], s.y);
    }
    const double side = std::max({v[2] - v[0], v[3] - v[1], 1.0});
    v[4] = side / kMapCells;
    v[0] -= 4 * v[4], v[1] -= 4 * v[4], v[2] += 4 * v[4], v[3] += 4 * v[4];
    return true;
}

bool makeGrid(const ElevationOptions& o, HxWtPointElevIndex& index, LevelGrid& grid) {
    std::vector<double> v;
    std::string error;
    if (!gridFrame(o, index, v, &error)) {
        usage("--grid wants X0,Y0,X1,Y1,STEP: " + error);
        return false;
    }
    grid.x0 = v[0], grid.y0 = v[1], grid.step = v[4];
    const double columns = std::floor((v[2] - v[0]) / v[4] + 1e-9) + 1;
    const double rows = std::floor((v[3] - v[1]) / v[4] + 1e-9) + 1;
    if (columns * rows > kMaxGridNodes) {
        usage("the grid has more than " + std::to_string(kMaxGridNodes) + " nodes");
        return false;
    }
    grid.columns = static_cast<int>(columns);
    grid.rows = static_cast<int>(rows);
    Progress progress("interpolating the grid", grid.rows);
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.columns; ++c) {
            double level = 0;
            index.GetPointElevation(
                AcGePoint3d(grid.x0 + c * grid.step, grid.y0 + r * grid.step, 0), level);
            grid.levels.push_back(level);
        }
        progress.update(r + 1);
    }
    return true;
}

void printGrid(const LevelGrid& g) {
    std::cout << "x,y,level\n";
    for (int r = 0; r < g.rows; ++r) {
        for (int c = 0; c < g.columns; ++c) {
            std::cout << gridNumber(g.x0 + c * g.step) << "," << gridNumber(g.y0 + r * g.step)
                      << "," << formatNumber(g.levels[static_cast<size_t>(r * g.columns + c)])
                      << "\n";
        }
    }
}

bool parsePoints(const ElevationOptions& o, std::vector<Point>& points) {
    for (const std::string& text : o.points) {
        Point p;
        std::string error;
        if (!parsePoint(text, p.x, p.y, &error)) {
            usage("a point is X,Y (finite decimal numbers), not '" + text + "': " + error);
            return false;
        }
        points.push_back(p);
    }
    return true;
}

void printPoints(const ElevationOptions& o, const std::vector<Point>& points,
                 HxWtPointElevIndex& index) {
    if (points.empty())
        return;
    TextTable table;
    table.addColumn("x", TextTable::kRight);
    table.addColumn("y", TextTable::kRight);
    table.addColumn("level (m)", TextTable::kRight);
    std::string json = "[";
    for (const Point& p : points) {
        double level = 0;
        index.GetPointElevation(AcGePoint3d(p.x, p.y, 0), level);
        table.addRow({roundTrip(p.x), roundTrip(p.y), formatNumber(level)});
        json += std::string(json.size() > 1 ? ", " : "") + "{\"x\": " + roundTrip(p.x) +
                ", \"y\": " + roundTrip(p.y) + ", \"level\": " + formatNumber(level) + "}";
    }
    if (o.json)
        std::cout << json << "]\n";
    else
        table.print(std::cout);
}

// Usage errors found before the drawing is read.
bool checkUsage(const ElevationOptions& o) {
    if (o.points.empty() && o.grid.empty() && o.svg.empty()) {
        usage("elevation needs points X,Y, --grid or --svg: nothing to print");
        return false;
    }
    if (o.json && !o.grid.empty()) {
        usage("--json prints the levels of the points and --grid a CSV grid: use one of them");
        return false;
    }
    if (o.json && o.points.empty()) {
        usage("--json prints the levels of the points: give points X,Y");
        return false;
    }
    const std::string refusal = o.svg.empty() ? std::string() : outputRefusal(o.svg);
    if (!refusal.empty()) {
        usage(refusal);
        return false;
    }
    return true;
}

bool writeMap(const ElevationOptions& o, const LevelGrid& grid, HxWtPointElevIndex& index) {
    std::vector<AcGePoint3d> samples(static_cast<size_t>(index.SampleCount()));
    for (int i = 0; i < index.SampleCount(); ++i)
        index.GetSample(i, samples[static_cast<size_t>(i)]);
    std::string error;
    if (writeOutputFile(o.svg, levelMapSvg(grid, samples), &error))
        return true;
    std::cerr << "hxwt: cannot write " << error << "\n";
    return false;
}

int runElevation(const ElevationOptions& o) {
    noteInput(o.file);
    std::vector<Point> points;
    if (!checkUsage(o) || !parsePoints(o, points))
        return kExitUsage;
    std::string error;
    if (!loadDrawing(o.file, &error))
        return usage(error);
    HxWtPointElevUtility utility;
    HxWtPointElevIndex index(utility);
    if (index.SampleCount() == 0) {
        std::cerr << "hxwt: " << o.file << " holds no elevation samples (texts tagged "
                  << "HxSZ_BGWZ whose text is a number): no level to give\n";
        return kExitNegative;
    }
    printPoints(o, points, index);
    if (o.grid.empty() && o.svg.empty())
        return kExitOk;
    LevelGrid grid;
    if (!makeGrid(o, index, grid))
        return kExitUsage;
    if (!o.grid.empty())
        printGrid(grid);
    if (!o.svg.empty() && !writeMap(o, grid, index))
        return kExitUsage;
    return kExitOk;
}

} // namespace

void addElevationCommand(CLI::App& app) {
    auto o = std::make_shared<ElevationOptions>();
    CLI::App* cmd =
        app.add_subcommand("elevation", "Ground level at points of a drawing, from its samples");
    cmd->add_option("file", o->file, "DXF drawing")->required();
    cmd->add_option("points", o->points, "Points X,Y as drawn");
    cmd->add_option("--grid", o->grid, "Print a CSV grid X0,Y0,X1,Y1,STEP (not with --json)");
    cmd->add_option("--svg", o->svg, "Write a coloured level map to this SVG file");
    cmd->add_flag("--json", o->json, "Print the levels of the points as a JSON array");
    cmd->callback([o] { setExitCode(runElevation(*o)); });
}

} // namespace hxwt
