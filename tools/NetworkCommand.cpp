// hxwt network FILE.dxf --pick HANDLE --at X,Y: builds the pipe network graph
// from a picked pipe (or well) and a point of a drawing, links the gulley
// pipes and prints the nodes and edges with their relations.
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
    GraphOutputOptions output;
};

int runNetwork(const NetworkOptions& options) {
    double x = 0.0, y = 0.0;
    if (!parsePoint(options.at, x, y)) {
        std::cerr << "hxwt: --at wants X,Y, not " << options.at << "\n";
        return 2;
    }
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
    HxDbWtPipeGraph graph;
    graph.SetPipeGraphType(options.pressure ? HxDbWtPipeGraph::kPressure
                                            : HxDbWtPipeGraph::kGravity);
    graph.SetWithOutNode(options.withoutNode);
    int status = graph.CreateGraph(picked, AcGePoint3d(x, y, 0.0));
    if (status == HxDbWtPipeGraph::kGraphOk)
        graph.CreateLinkGulleyEdge();
    return finishGraph(makeGraphView(graph, status), options.output);
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
    cmd->add_flag("--json", options->output.json, "Print JSON instead of the table");
    cmd->add_option("--svg", options->output.svg, "Draw the network into this SVG file");
    cmd->callback([options] { setExitCode(runNetwork(*options)); });
}

} // namespace hxwt
