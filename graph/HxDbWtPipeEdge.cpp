// HxDbWtPipeEdge: construction, copying and destruction of a graph edge.
// Copies are member by member, flag word included; the move forms copy as
// well.
#include "HxDbWtPipeGraph.h"

HxDbWtPipeEdge::HxDbWtPipeEdge() = default;

HxDbWtPipeEdge::HxDbWtPipeEdge(const HxDbWtPipeEdge& other) = default;

HxDbWtPipeEdge& HxDbWtPipeEdge::operator=(const HxDbWtPipeEdge& other) = default;

HxDbWtPipeEdge::HxDbWtPipeEdge(HxDbWtPipeEdge&& other) : HxDbWtPipeEdge(other) {}

HxDbWtPipeEdge& HxDbWtPipeEdge::operator=(HxDbWtPipeEdge&& other) {
    return *this = static_cast<const HxDbWtPipeEdge&>(other);
}

HxDbWtPipeEdge::~HxDbWtPipeEdge() = default;
