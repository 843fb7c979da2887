// The pipe network graph of a picked pipe and point of a drawing.
#include "NetworkBuild.h"

#include <iostream>

#include "DrawingLoad.h"
#include "GraphOutput.h"

namespace hxwt {

int buildNetwork(const NetworkRequest& request, HxDbWtPipeGraph& graph, int* status) {
    double x = 0.0, y = 0.0;
    if (!parsePoint(request.at, x, y)) {
        std::cerr << "hxwt: --at wants X,Y, not " << request.at << "\n";
        return 2;
    }
    std::string error;
    if (!loadDrawing(request.file, &error)) {
        std::cerr << "hxwt: " << error << "\n";
        return 2;
    }
    AcDbObjectId picked = idFromHandle(currentDatabase(), request.pick);
    if (picked.isNull()) {
        std::cerr << "hxwt: no object with handle " << request.pick << " in " << request.file
                  << "\n";
        return 2;
    }
    graph.SetPipeGraphType(request.pressure ? HxDbWtPipeGraph::kPressure
                                            : HxDbWtPipeGraph::kGravity);
    graph.SetWithOutNode(request.withoutNode);
    *status = graph.CreateGraph(picked, AcGePoint3d(x, y, 0.0));
    if (*status == HxDbWtPipeGraph::kGraphOk)
        graph.CreateLinkGulleyEdge();
    return 0;
}

} // namespace hxwt
