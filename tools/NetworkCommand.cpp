// hxwt network FILE.dxf --pick HANDLE --at X,Y: builds the pipe network graph
// from a picked pipe (or well) and a point of a drawing, links the gulley
// pipes and prints the nodes and edges with their relations.
#include <iostream>
#include <memory>
#include <string>

#include "GraphOutput.h"
#include "NetworkBuild.h"
#include "ToolCommands.h"

namespace hxwt {
namespace {

struct NetworkOptions {
    NetworkRequest request;
    GraphOutputOptions output;
};

int runNetwork(const NetworkOptions& options) {
    HxDbWtPipeGraph graph;
    int status = 0;
    if (int code = buildNetwork(options.request, graph, &status))
        return code;
    return finishGraph(makeGraphView(graph, status), options.output);
}

} // namespace

void addNetworkCommand(CLI::App& app) {
    auto options = std::make_shared<NetworkOptions>();
    CLI::App* cmd =
        app.add_subcommand("network", "Build the pipe network graph from a picked pipe and point");
    cmd->add_option("file", options->request.file, "The DXF drawing")->required();
    cmd->add_option("--pick", options->request.pick, "Handle (hex) of the picked pipe or well")
        ->required();
    cmd->add_option("--at", options->request.at, "The picked point X,Y")->required();
    cmd->add_flag("--pressure", options->request.pressure, "A pressure network (default: gravity)");
    cmd->add_flag("--without-node", options->request.withoutNode,
                  "Tolerate pipes without two wells");
    cmd->add_flag("--json", options->output.json, "Print JSON instead of the table");
    cmd->add_option("--svg", options->output.svg, "Draw the network into this SVG file");
    cmd->callback([options] { setExitCode(runNetwork(*options)); });
}

} // namespace hxwt
