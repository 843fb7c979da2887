// The shared ending of network and path.
#include "GraphOutput.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

#include "GraphPrint.h"
#include "GraphSvg.h"

namespace hxwt {

int finishGraph(const GraphView& view, const GraphOutputOptions& options) {
    if (options.json)
        printJson(std::cout, view);
    if (view.status != 0) {
        std::cerr << view.message << "\n";
        std::cerr << "hxwt: the graph was not built (status " << view.status << ")\n";
        return 1;
    }
    if (!options.json)
        printTable(std::cout, view);
    if (options.svg.empty())
        return 0;
    std::ofstream file(options.svg, std::ios::binary);
    writeSvg(file, view);
    file.close();
    if (!file) {
        std::cerr << "hxwt: cannot write " << options.svg << "\n";
        return 2;
    }
    return 0;
}

bool parsePoint(const std::string& text, double& x, double& y) {
    std::string::size_type comma = text.find(',');
    if (comma == std::string::npos)
        return false;
    std::string a = text.substr(0, comma), b = text.substr(comma + 1);
    char* endA = nullptr;
    char* endB = nullptr;
    double vx = std::strtod(a.c_str(), &endA);
    double vy = std::strtod(b.c_str(), &endB);
    if (a.empty() || b.empty() || *endA != '\0' || *endB != '\0')
        return false;
    x = vx;
    y = vy;
    return true;
}

} // namespace hxwt
