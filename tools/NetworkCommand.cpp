// hxwt network FILE.dxf --pick HANDLE [--at X,Y]: builds the pipe network
// graph from a picked pipe and a point (or from a well or pool, taken whole)
// of a drawing, links the gulley pipes and prints the nodes and edges with
// their relations.
#include <iostream>
#include <memory>
#include <string>

#include "DrawingLoad.h"
#include "ExitCode.h"
#include "GraphDiagnosis.h"
#include "GraphOutput.h"
#include "HxDbWtPipeGraph.h"
#include "NumberArgs.h"
#include "OutputGuard.h"
#include "Progress.h"
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

int usage(const std::string& text) {
    std::cerr << "hxwt: " << text << "\n";
    return kExitUsage;
}

int runNetwork(const NetworkOptions& options) {
    noteInput(options.file);
    const std::string refusal = graphOutputRefusal(options.output);
    if (!refusal.empty())
        return usage(refusal);
    GraphRequest request;
    std::string error;
    double x = 0.0, y = 0.0;
    if (!options.at.empty() && !parsePoint(options.at, x, y, &error))
        return usage("--at wants X,Y (finite decimal numbers), not '" + options.at + "': " + error);
    request.at = AcGePoint3d(x, y, 0.0);
    if (!loadDrawing(options.file, &error))
        return usage(error);
    request.picked = idFromHandle(currentDatabase(), options.pick);
    if (request.picked.isNull())
        return usage(options.file + ": no object with handle " + options.pick);
    HxDbWtPipeGraph graph;
    const bool pipe = isPipeEntity(request.picked);
    if (pipe && options.at.empty())
        return usage(options.file + ": " + options.pick +
                     " is a pipe: give --at X,Y near the end where the network is cut");
    if (!pipe && !options.at.empty())
        return usage(options.file + ": " + options.pick +
                     " is not a pipe: the network is taken whole from it, so --at is not "
                     "used; leave it out");
    graph.SetPipeGraphType(options.pressure ? HxDbWtPipeGraph::kPressure
                                            : HxDbWtPipeGraph::kGravity);
    graph.SetWithOutNode(options.withoutNode);
    int status = 0;
    {
        Progress progress("building the graph");
        status = graph.CreateGraph(request.picked, request.at);
        if (status == HxDbWtPipeGraph::kGraphOk)
            graph.CreateLinkGulleyEdge();
    }
    GraphView view = makeGraphView(graph, status, options.file);
    view.diagnosis = diagnoseGraph(graph, status, request);
    return finishGraph(view, options.output);
}

} // namespace

void addNetworkCommand(CLI::App& app) {
    auto options = std::make_shared<NetworkOptions>();
    CLI::App* cmd =
        app.add_subcommand("network", "Build the pipe network graph from a picked pipe and point");
    cmd->add_option("file", options->file, "The DXF drawing")->required();
    cmd->add_option("--pick", options->pick, "Handle (hex) of the picked pipe or well")->required();
    cmd->add_option("--at", options->at,
                    "The picked point X,Y (metres as drawn), needed when a pipe is picked");
    cmd->add_flag("--pressure", options->pressure, "A pressure network (default: gravity)");
    cmd->add_flag("--without-node", options->withoutNode, "Tolerate pipes without two wells");
    cmd->add_flag("--json", options->output.json, "Print JSON instead of the table");
    cmd->add_option("--svg", options->output.svg, "Draw the network into this SVG file");
    cmd->callback([options] { setExitCode(runNetwork(*options)); });
}

} // namespace hxwt
