// hxwt network FILE.dxf --pick HANDLE [--at X,Y]: builds the pipe network
// graph from a picked pipe and a point (or from a well or pool, taken whole)
// of a drawing, links the gulley pipes and prints the nodes and edges with
// their relations. --timings splits the wall time into reading, building and
// output, on stderr.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "ExitCode.h"
#include "GraphOutput.h"
#include "NetworkBuild.h"
#include "OutputGuard.h"
#include "ToolCommands.h"

namespace hxwt {
namespace {

struct NetworkOptions {
    NetworkRequest request;
    GraphOutputOptions output;
    bool timings = false;
};

int runNetwork(const NetworkOptions& options) {
    noteInput(options.request.file);
    const std::string refusal = graphOutputRefusal(options.output);
    if (!refusal.empty()) {
        std::cerr << "hxwt: " << refusal << "\n";
        return kExitUsage;
    }
    HxDbWtPipeGraph graph;
    GraphView view;
    NetworkTimings timings;
    NetworkRequest request = options.request;
    if (options.timings)
        request.timings = &timings;
    if (int code = buildNetwork(request, graph, view))
        return code;
    const auto start = std::chrono::steady_clock::now();
    const int code = finishGraph(view, options.output);
    if (options.timings) {
        const double output =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::fprintf(stderr, "timings: read %.3f s, build %.3f s, output %.3f s\n", timings.read,
                     timings.build, output);
    }
    return code;
}

} // namespace

void addNetworkCommand(CLI::App& app) {
    auto options = std::make_shared<NetworkOptions>();
    CLI::App* cmd =
        app.add_subcommand("network", "Build the pipe network graph from a picked pipe and point");
    cmd->add_option("file", options->request.file, "The DXF drawing")->required();
    cmd->add_option("--pick", options->request.pick, "Handle (hex) of the picked pipe or well")
        ->required();
    cmd->add_option("--at", options->request.at,
                    "The picked point X,Y (metres as drawn), needed when a pipe is picked");
    cmd->add_flag("--pressure", options->request.pressure, "A pressure network (default: gravity)");
    cmd->add_flag("--without-node", options->request.withoutNode,
                  "Tolerate pipes without two wells");
    cmd->add_flag("--timings", options->timings, "Print the time of each step on stderr");
    cmd->add_flag("--json", options->output.json, "Print JSON instead of the table");
    cmd->add_option("--svg", options->output.svg, "Draw the network into this SVG file");
    cmd->callback([options] { setExitCode(runNetwork(*options)); });
}

} // namespace hxwt
