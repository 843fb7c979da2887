// The shared ending of network and path.
#include "GraphOutput.h"

#include <iostream>
#include <sstream>

#include "BufferedOut.h"
#include "ExitCode.h"
#include "GraphPrint.h"
#include "GraphSvg.h"
#include "NetworkBuild.h"
#include "OutputGuard.h"

namespace hxwt {
namespace {

// One warning per pipe, gathered into large writes: a network drawn with
// flat or reversed heights warns about every pipe.
void warnUphill(const GraphView& view) {
    BufferedOut err(std::cerr);
    for (int index : uphillEdges(view)) {
        const EdgeView& e = view.edges[static_cast<size_t>(index)];
        err << "hxwt: " << view.file << ": warning: pipe " << e.handle << " ("
            << nodeLabel(view, e.startNode) << " -> " << nodeLabel(view, e.endNode)
            << ") runs uphill along the computed flow, from ";
        err.fixed(e.fromHeight, 3) << " m to ";
        err.fixed(e.toHeight, 3) << " m: the graph is oriented from the root as picked; check "
                                    "the pipe's heights or pick the outlet.\n";
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
