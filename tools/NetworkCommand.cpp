// hxwt network FILE.dxf --pick HANDLE --at X,Y: builds the pipe network graph
// from a picked pipe (or well) and a point of a drawing, links the gulley
// pipes and prints the nodes and edges with their relations. --timings splits
// the wall time into reading, building and output, on stderr.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "DrawingLoad.h"
#include "GraphOutput.h"
#include "HxDbWtPipeGraph.h"
#include "ToolCommands.h"

namespace hxwt {
namespace {

struct NetworkOptions {
    std::string file;
    std::string pick;
    std::string at;
    bool pressure = false;
    bool withoutNode = false;
    bool timings = false;
    GraphOutputOptions output;
};

// Seconds since the last call (or since construction).
class Lap {
public:
    double next() {
        const auto now = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(now - m_last).count();
        m_last = now;
        return seconds;
    }

private:
    std::chrono::steady_clock::time_point m_last = std::chrono::steady_clock::now();
};

int runNetwork(const NetworkOptions& options) {
    double x = 0.0, y = 0.0;
    if (!parsePoint(options.at, x, y)) {
        std::cerr << "hxwt: --at wants X,Y, not " << options.at << "\n";
        return 2;
    }
    Lap lap;
    std::string error;
    if (!loadDrawing(options.file, &error)) {
        std::cerr << "hxwt: " << error << "\n";
        return 2;
    }
    AcDbObjectId picked = idFromHandle(currentDatabase(), options.pick);
    if (picked.isNull()) {
        std::cerr << "hxwt: no object with handle " << options.pick << " in " << options.file
                  << "\n";
        return 2;
    }
    const double read = lap.next();
    HxDbWtPipeGraph graph;
    graph.SetPipeGraphType(options.pressure ? HxDbWtPipeGraph::kPressure
                                            : HxDbWtPipeGraph::kGravity);
    graph.SetWithOutNode(options.withoutNode);
    int status = graph.CreateGraph(picked, AcGePoint3d(x, y, 0.0));
    if (status == HxDbWtPipeGraph::kGraphOk)
        graph.CreateLinkGulleyEdge();
    const double build = lap.next();
    const int exitCode = finishGraph(makeGraphView(graph, status), options.output);
    if (options.timings)
        std::fprintf(stderr, "timings: read %.3f s, build %.3f s, output %.3f s\n", read, build,
                     lap.next());
    return exitCode;
}

} // namespace

void addNetworkCommand(CLI::App& app) {
    auto options = std::make_shared<NetworkOptions>();
    CLI::App* cmd =
        app.add_subcommand("network", "Build the pipe network graph from a picked pipe and point");
    cmd->add_option("file", options->file, "The DXF drawing")->required();
    cmd->add_option("--pick", options->pick, "Handle (hex) of the picked pipe or well")->required();
    cmd->add_option("--at", options->at, "The picked point X,Y")->required();
    cmd->add_flag("--pressure", options->pressure, "A pressure network (default: gravity)");
    cmd->add_flag("--without-node", options->withoutNode, "Tolerate pipes without two wells");
    cmd->add_flag("--timings", options->timings, "Print the time of each step on stderr");
    cmd->add_flag("--json", options->output.json, "Print JSON instead of the table");
    cmd->add_option("--svg", options->output.svg, "Draw the network into this SVG file");
    cmd->callback([options] { setExitCode(runNetwork(*options)); });
}

} // namespace hxwt
