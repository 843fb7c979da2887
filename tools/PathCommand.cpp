// hxwt path FILE.dxf --from HANDLE --to HANDLE: builds the gravity path
// between two wells or pools of a drawing and prints it in order.
#include <iostream>
#include <memory>
#include <string>

#include "DrawingLoad.h"
#include "ExitCode.h"
#include "GraphDiagnosis.h"
#include "GraphOutput.h"
#include "HxDbWtPipeGraph.h"
#include "OutputGuard.h"
#include "Progress.h"
#include "ToolCommands.h"

namespace hxwt {
namespace {

struct PathOptions {
    std::string file;
    std::string from;
    std::string to;
    GraphOutputOptions output;
};

std::vector<int> toVector(HxDList<int>& list) {
    std::vector<int> out;
    for (int* p = list.FirstPos(); p != nullptr; p = list.NextPos(p))
        out.push_back(*p);
    return out;
}

int runPath(const PathOptions& options) {
    noteInput(options.file);
    std::string error = graphOutputRefusal(options.output);
    if (!error.empty() || !loadDrawing(options.file, &error)) {
        std::cerr << "hxwt: " << error << "\n";
        return kExitUsage;
    }
    AcDbObjectId from = idFromHandle(currentDatabase(), options.from);
    AcDbObjectId to = idFromHandle(currentDatabase(), options.to);
    for (const auto& [id, text] :
         {std::make_pair(from, options.from), std::make_pair(to, options.to)}) {
        if (id.isNull()) {
            std::cerr << "hxwt: " << options.file << ": no object with handle " << text << "\n";
            return kExitUsage;
        }
    }
    HxDbWtPipeGraph graph;
    int status = 0;
    {
        Progress progress("building the path");
        status = graph.CreateGraph(from, to);
    }
    GraphView view = makeGraphView(graph, status, options.file);
    GraphRequest request;
    request.picked = from;
    request.to = to;
    view.diagnosis = diagnoseGraph(graph, status, request);
    view.isPath = true;
    if (status == HxDbWtPipeGraph::kGraphOk) {
        view.pathNodes = toVector(graph.pathNodeOrder);
        view.pathEdges = toVector(graph.pathEdgeOrder);
    }
    return finishGraph(view, options.output);
}

} // namespace

void addPathCommand(CLI::App& app) {
    auto options = std::make_shared<PathOptions>();
    CLI::App* cmd = app.add_subcommand("path", "Build the gravity path between two wells or pools");
    cmd->add_option("file", options->file, "The DXF drawing")->required();
    cmd->add_option("--from", options->from, "Handle (hex) of the first well or pool")->required();
    cmd->add_option("--to", options->to, "Handle (hex) of the last well or pool")->required();
    cmd->add_flag("--json", options->output.json, "Print JSON instead of the table");
    cmd->add_option("--svg", options->output.svg, "Draw the path into this SVG file");
    cmd->callback([options] { setExitCode(runPath(*options)); });
}

} // namespace hxwt
