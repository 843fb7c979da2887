// hxwt path FILE.dxf --from HANDLE --to HANDLE: builds the gravity path
// between two wells or pools of a drawing and prints it in order.
#include <iostream>
#include <memory>
#include <string>

#include "DrawingLoad.h"
#include "GraphOutput.h"
#include "HxDbWtPipeGraph.h"
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
    std::string error;
    if (!loadDrawing(options.file, &error)) {
        std::cerr << "hxwt: " << error << "\n";
        return 2;
    }
    AcDbObjectId from = idFromHandle(currentDatabase(), options.from);
    AcDbObjectId to = idFromHandle(currentDatabase(), options.to);
    for (const auto& [id, text] :
         {std::make_pair(from, options.from), std::make_pair(to, options.to)}) {
        if (id.isNull()) {
            std::cerr << "hxwt: no object with handle " << text << " in " << options.file << "\n";
            return 2;
        }
    }
    HxDbWtPipeGraph graph;
    int status = graph.CreateGraph(from, to);
    GraphView view = makeGraphView(graph, status);
    view.isPath = true;
    view.pathNodes = toVector(graph.pathNodeOrder);
    view.pathEdges = toVector(graph.pathEdgeOrder);
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
