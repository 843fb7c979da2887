// The shared ending of network and path.
#include "GraphOutput.h"

#include <iostream>
#include <sstream>

#include "ExitCode.h"
#include "GraphPrint.h"
#include "GraphSvg.h"
#include "NetworkBuild.h"
#include "OutputGuard.h"

namespace hxwt {
namespace {

void warnUphill(const GraphView& view) {
    for (int index : uphillEdges(view)) {
        const EdgeView& e = view.edges[static_cast<size_t>(index)];
        std::cerr << "hxwt: " << view.file << ": warning: pipe " << e.handle << " ("
                  << nodeLabel(view, e.startNode) << " -> " << nodeLabel(view, e.endNode)
                  << ") runs uphill along the computed flow, from " << formatNumber(e.fromHeight)
                  << " m to " << formatNumber(e.toHeight)
                  << " m: the graph is oriented from the root as picked; check the pipe's "
                     "heights or pick the outlet.\n";
    }
}

} // namespace

std::string graphOutputRefusal(const GraphOutputOptions& options) {
    return options.svg.empty() ? std::string() : outputRefusal(options.svg);
}

int finishGraph(const GraphView& view, const GraphOutputOptions& options) {
    if (options.json)
        printJson(std::cout, view);
    if (view.status != 0) {
        printGraphFailure(view);
        return kExitNegative;
    }
    if (!options.json)
        printTable(std::cout, view);
    warnUphill(view);
    if (options.svg.empty())
        return kExitOk;
    std::ostringstream svg;
    writeSvg(svg, view);
    std::string error;
    if (!writeOutputFile(options.svg, svg.str(), &error)) {
        std::cerr << "hxwt: cannot write " << error << "\n";
        return kExitUsage;
    }
    return kExitOk;
}

} // namespace hxwt
