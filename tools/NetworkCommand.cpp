// hxwt network FILE.dxf --pick HANDLE [--at X,Y]: builds the pipe network
// graph from a picked pipe and a point (or from a well or pool, taken whole)
// of a drawing, links the gulley pipes and prints the nodes and edges with
// their relations. --timings splits the time into reading, building and
// output, and each into its parts, on stderr.
#include <cstdio>
#include <iostream>
#include <memory>
#include <utility>
#include <string>

#include "ExitCode.h"
#include "GraphOutput.h"
#include "NetworkBuild.h"
#include "OutputGuard.h"
#include "ProcessEnd.h"
#include "ToolCommands.h"

namespace hxwt {
namespace {

struct NetworkOptions {
    NetworkRequest request;
    GraphOutputOptions output;
    bool timings = false;
};

// The --timings lines on stderr: wall-clock seconds of the steps, then the
// parts of reading and building and the CPU seconds of each step.
void printTimings(const NetworkTimings& t, const StepTime& output, const StepTime& release) {
    std::fprintf(stderr, "timings: read %.3f s, build %.3f s, output %.3f s, release %.3f s\n",
                 t.read.wall, t.build.wall, output.wall, release.wall);
    std::fprintf(stderr,
                 "timings: read = drawing %.3f s + pick %.3f s; build = CreateGraph %.3f s + "
                 "gulley links %.3f s + snapshot %.3f s; CPU: read %.3f s, build %.3f s, "
                 "output %.3f s, release %.3f s\n",
                 t.drawing.wall, t.read.wall - t.drawing.wall, t.graph.wall, t.links.wall,
                 t.snapshot.wall, t.read.cpu, t.build.cpu, output.cpu, release.cpu);
}

int runNetwork(const NetworkOptions& options) {
    noteInput(options.request.file);
    const std::string refusal = graphOutputRefusal(options.output);
    if (!refusal.empty()) {
        std::cerr << "hxwt: " << refusal << "\n";
        return kExitUsage;
    }
    auto graph = std::make_unique<HxDbWtPipeGraph>();
    auto view = std::make_unique<GraphView>();
    NetworkTimings timings;
    NetworkRequest request = options.request;
    if (options.timings)
        request.timings = &timings;
    if (int code = buildNetwork(request, *graph, *view))
        return code;
    const StepClock output;
    const int code = finishGraph(*view, options.output);
    const StepTime outputTime = output.elapsed();
    // Freeing the graph and its snapshot piece by piece would be a step of
    // its own for a whole city; they are kept until the process ends, which
    // gives their memory back at once (ProcessEnd.h). What remains timed is
    // the hand-over.
    const StepClock release;
    keepUntilExit(std::move(view));
    keepUntilExit(std::move(graph));
    if (options.timings)
        printTimings(timings, outputTime, release.elapsed());
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
