// HxDbWtPipeNode: construction, copying and destruction of a graph node.
// Copies are member by member (lists and strings by value, the flag word and
// the lock mark included); the move forms copy as well, so a moved-from node
// keeps its values.
#include "HxDbWtPipeGraph.h"

HxDbWtPipeNode::HxDbWtPipeNode() = default;

HxDbWtPipeNode::HxDbWtPipeNode(const HxDbWtPipeNode& other) = default;

HxDbWtPipeNode& HxDbWtPipeNode::operator=(const HxDbWtPipeNode& other) = default;

HxDbWtPipeNode::HxDbWtPipeNode(HxDbWtPipeNode&& other) : HxDbWtPipeNode(other) {}

HxDbWtPipeNode& HxDbWtPipeNode::operator=(HxDbWtPipeNode&& other) {
    return *this = static_cast<const HxDbWtPipeNode&>(other);
}

HxDbWtPipeNode::~HxDbWtPipeNode() = default;
