// The pipe network graph of a picked pipe or well of a drawing.
#include "NetworkBuild.h"

#include <iostream>

#include "DrawingLoad.h"
#include "ExitCode.h"
#include "GraphDiagnosis.h"
#include "NumberArgs.h"
#include "OutputGuard.h"
#include "Progress.h"

namespace hxwt {
namespace {

int usage(const std::string& text) {
    std::cerr << "hxwt: " << text << "\n";
    return kExitUsage;
}

// The pick as the graph wants it; kExitUsage with the message printed when
// the point, the drawing or the handle is wrong.
int resolvePick(const NetworkRequest& request, GraphRequest& pick) {
    const StepClock reading;
    double x = 0.0, y = 0.0;
    std::string error;
    if (!request.at.empty() && !parsePoint(request.at, x, y, &error))
        return usage("--at wants X,Y (finite decimal numbers), not '" + request.at + "': " + error);
    pick.at = AcGePoint3d(x, y, 0.0);
    if (!loadDrawing(request.file, &error))
        return usage(error);
    if (request.timings)
        request.timings->drawing = reading.elapsed();
    pick.picked = idFromHandle(currentDatabase(), request.pick);
    if (pick.picked.isNull())
        return usage(request.file + ": no object with handle " + request.pick);
    const bool pipe = isPipeEntity(pick.picked);
    if (pipe && request.at.empty())
        return usage(request.file + ": " + request.pick +
                     " is a pipe: give --at X,Y near the end where the network is cut");
    if (!pipe && !request.at.empty())
        return usage(request.file + ": " + request.pick +
                     " is not a pipe: the network is taken whole from it, so --at is not "
                     "used; leave it out");
    return kExitOk;
}

} // namespace

int buildNetwork(const NetworkRequest& request, HxDbWtPipeGraph& graph, GraphView& view) {
    noteInput(request.file);
    NetworkTimings unused;
    NetworkTimings& timings = request.timings ? *request.timings : unused;
    const StepClock reading;
    GraphRequest pick;
    if (int code = resolvePick(request, pick))
        return code;
    timings.read = reading.elapsed();
    const StepClock building;
    graph.SetPipeGraphType(request.pressure ? HxDbWtPipeGraph::kPressure
                                            : HxDbWtPipeGraph::kGravity);
    graph.SetWithOutNode(request.withoutNode);
    int status = 0;
    {
        Progress progress("building the graph");
        status = graph.CreateGraph(pick.picked, pick.at);
        timings.graph = building.elapsed();
        const StepClock linking;
        if (status == HxDbWtPipeGraph::kGraphOk)
            graph.CreateLinkGulleyEdge();
        timings.links = linking.elapsed();
    }
    const StepClock snapshot;
    view = makeGraphView(graph, status, request.file);
    view.diagnosis = diagnoseGraph(graph, status, pick);
    timings.snapshot = snapshot.elapsed();
    timings.build = building.elapsed();
    return kExitOk;
}

void printGraphFailure(const GraphView& view) {
    std::cerr << view.message << "\n";
    std::cerr << "hxwt: " << view.file << ": the graph was not built (status " << view.status
              << "): " << view.diagnosis << "\n";
}

} // namespace hxwt
