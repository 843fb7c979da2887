// hxwt elevation: the ground level at points of a DXF drawing, as lines, a
// CSV grid, a JSON array or an SVG level map.
#include "ElevationSvg.h"
#include "ToolCommands.h"
#include "ToolText.h"

#include "HxWtUtility.h"
#include "hxhost/DxfFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

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

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", v);
    return buf;
}

// "A,B,..." into exactly n numbers; false when malformed.
bool parseNumbers(const std::string& text, size_t n, std::vector<double>& out) {
    out.clear();
    std::stringstream ss(text);
    std::string item;
    while (std::getline(ss, item, ',')) {
        char* end = nullptr;
        const double v = std::strtod(item.c_str(), &end);
        if (item.empty() || *end != '\0' || !std::isfinite(v))
            return false;
        out.push_back(v);
    }
    return out.size() == n;
}

bool readDrawing(const std::string& file) {
    AcDbDatabase* db = acDocManagerPtr()->curDocument()->database();
    const std::wstring path = fromUtf8(file);
    if (db->readDwgFile(path.c_str()) == Acad::eOk)
        return true;
    std::cerr << "hxwt: cannot read " << file << ": " << hxhost::lastFileError() << "\n";
    return false;
}

// The grid of the option, or one around the samples (40 cells on the longer
// side) for a map without one.
bool makeGrid(const ElevationOptions& o, HxWtPointElevIndex& index, LevelGrid& grid) {
    std::vector<double> v;
    if (!o.grid.empty()) {
        if (!parseNumbers(o.grid, 5, v) || v[4] <= 0 || v[2] < v[0] || v[3] < v[1]) {
            std::cerr << "hxwt: --grid wants X0,Y0,X1,Y1,STEP with X0<=X1, Y0<=Y1, STEP>0\n";
            return false;
        }
    } else {
        AcGePoint3d s;
        index.GetSample(0, s);
        v = {s.x, s.y, s.x, s.y, 0};
        for (int i = 1; index.GetSample(i, s); ++i) {
            v[0] = std::min(v[0], s.x), v[1] = std::min(v[1], s.y);
            v[2] = std::max(v[2], s.x), v[3] = std::max(v[3], s.y);
        }
        const double side = std::max({v[2] - v[0], v[3] - v[1], 1.0});
        v[4] = side / 40;
        v[0] -= 2 * v[4], v[1] -= 2 * v[4], v[2] += 2 * v[4], v[3] += 2 * v[4];
    }
    grid.x0 = v[0], grid.y0 = v[1], grid.step = v[4];
    grid.columns = static_cast<int>(std::floor((v[2] - v[0]) / v[4] + 1e-9)) + 1;
    grid.rows = static_cast<int>(std::floor((v[3] - v[1]) / v[4] + 1e-9)) + 1;
    if (static_cast<long>(grid.columns) * grid.rows > kMaxGridNodes) {
        std::cerr << "hxwt: the grid has more than " << kMaxGridNodes << " nodes\n";
        return false;
    }
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.columns; ++c) {
            double level = 0;
            index.GetPointElevation(
                AcGePoint3d(grid.x0 + c * grid.step, grid.y0 + r * grid.step, 0), level);
            grid.levels.push_back(level);
        }
    }
    return true;
}

void printGrid(const LevelGrid& g) {
    std::cout << "x,y,level\n";
    for (int r = 0; r < g.rows; ++r) {
        for (int c = 0; c < g.columns; ++c) {
            std::cout << number(g.x0 + c * g.step) << "," << number(g.y0 + r * g.step) << ","
                      << number(g.levels[static_cast<size_t>(r * g.columns + c)]) << "\n";
        }
    }
}

bool printPoints(const ElevationOptions& o, HxWtPointElevIndex& index) {
    std::string json = "[";
    for (const std::string& text : o.points) {
        std::vector<double> xy;
        if (!parseNumbers(text, 2, xy)) {
            std::cerr << "hxwt: a point is X,Y, not " << text << "\n";
            return false;
        }
        double level = 0;
        index.GetPointElevation(AcGePoint3d(xy[0], xy[1], 0), level);
        if (o.json) {
            json += std::string(json.size() > 1 ? "," : "") + "{\"x\":" + number(xy[0]) +
                    ",\"y\":" + number(xy[1]) + ",\"level\":" + number(level) + "}";
        } else {
            std::cout << number(xy[0]) << "," << number(xy[1]) << ": " << number(level) << "\n";
        }
    }
    if (o.json)
        std::cout << json << "]\n";
    return true;
}

int runElevation(const ElevationOptions& o) {
    if (!readDrawing(o.file))
        return 2;
    HxWtPointElevUtility utility;
    HxWtPointElevIndex index(utility);
    if (index.SampleCount() == 0) {
        std::cerr << "hxwt: " << o.file << " holds no elevation samples\n";
        return 1;
    }
    if (!printPoints(o, index))
        return 2;
    if (o.grid.empty() && o.svg.empty())
        return 0;
    LevelGrid grid;
    if (!makeGrid(o, index, grid))
        return 2;
    if (!o.grid.empty())
        printGrid(grid);
    if (!o.svg.empty()) {
        std::vector<AcGePoint3d> samples(static_cast<size_t>(index.SampleCount()));
        for (int i = 0; i < index.SampleCount(); ++i)
            index.GetSample(i, samples[static_cast<size_t>(i)]);
        std::ofstream out(o.svg, std::ios::binary);
        out << levelMapSvg(grid, samples);
        if (!out) {
            std::cerr << "hxwt: cannot write " << o.svg << "\n";
            return 2;
        }
    }
    return 0;
}

} // namespace

void addElevationCommand(CLI::App& app) {
    auto o = std::make_shared<ElevationOptions>();
    CLI::App* cmd =
        app.add_subcommand("elevation", "Ground level at points of a drawing, from its samples");
    cmd->add_option("file", o->file, "DXF drawing")->required();
    cmd->add_option("points", o->points, "Points X,Y");
    cmd->add_option("--grid", o->grid, "CSV grid X0,Y0,X1,Y1,STEP");
    cmd->add_option("--svg", o->svg, "Write a coloured level map to this file");
    cmd->add_flag("--json", o->json, "Print the levels of the points as a JSON array");
    cmd->callback([o] { setExitCode(runElevation(*o)); });
}

} // namespace hxwt
