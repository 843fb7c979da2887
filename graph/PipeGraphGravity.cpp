// The gravity builders: flow runs toward the root (the outlet). The network
// builder walks upstream from the outlet; the path builder orients one path
// from its first node to its last. Both refuse a network with a loop before
// writing anything.
#include "HxDbWtPipeGraph.h"

#include "graph/PipeGraphRecords.h"

#include "HxListQuene.h"

using namespace HxWtPipeGraphRecords;

// The root must have a node (CreateGraph checks it before calling).
int HxDbWtPipeGraph::CreateGravityRelateGraph() {
    if (HasLoop())
        return 0;
    HxListQuene<AcDbObjectId> queue(-1);
    HxBFindTree<AcDbObjectId> nodeSet;
    HxBFindTree<AcDbObjectId> pipeSet;
    InsertNew(nodeSet, rootId);
    queue.Push(rootId);

    AcDbObjectId n;
    while (queue.Pop(n) != 0) {
        HxDbWtPipeNode* node = FindNode(n);
        if (n == rootId)
            node->outEdge = -1;
        HxDbPipeGraphEnt* record = FindPipeGraphEnt(n);
        if (record == nullptr)
            continue;
        HxDbObjectIdList connected = ConnectedIds(record);
        for (AcDbObjectId* c = connected.FirstPos(); c != nullptr; c = connected.NextPos(c)) {
            if (!InsertNew(pipeSet, *c)) {
                node->outEdge = FindEdgeIndex(*c);
                continue;
            }
            HxDbWtPipeEdge* edge = FindEdge(*c);
            if (edge == nullptr)
                continue;
            edge->endNode = FindNodeIndex(n);
            HxDbPipeGraphEnt* pipeRecord = FindPipeGraphEnt(*c);
            if (pipeRecord == nullptr)
                continue;
            node->inEdges.Append(FindEdgeIndex(*c));
            bool reached = false;
            HxDbObjectIdList far = ConnectedIds(pipeRecord);
            for (AcDbObjectId* d = far.FirstPos(); d != nullptr; d = far.NextPos(d)) {
                if (EntIsPipe(*d) || FindNodeIndex(*d) == -1 || !InsertNew(nodeSet, *d))
                    continue;
                edge->startNode = FindNodeIndex(*d);
                queue.Push(*d);
                reached = true;
            }
            if (!reached && !withOutNode)
                return 0;
        }
    }
    return 1;
}

// The root must have a node (CreateGraph checks it before calling).
int HxDbWtPipeGraph::CreateGravityRelateGraphPath() {
    if (HasLoop())
        return 0;
    HxListQuene<AcDbObjectId> queue(-1);
    HxBFindTree<AcDbObjectId> nodeSet;
    HxBFindTree<AcDbObjectId> pipeSet;
    InsertNew(nodeSet, rootId);
    queue.Push(rootId);

    AcDbObjectId n;
    while (queue.Pop(n) != 0) {
        HxDbWtPipeNode* node = FindNode(n);
        if (n == rootId)
            node->inEdge = -1;
        HxDbPipeGraphEnt* record = FindPipeGraphEnt(n);
        if (record == nullptr)
            continue;
        HxDbObjectIdList connected = ConnectedIds(record);
        for (AcDbObjectId* c = connected.FirstPos(); c != nullptr; c = connected.NextPos(c)) {
            if (FindEdgeIndex(*c) == -1)
                continue; // pipes off the path never enter the pipe set
            if (!InsertNew(pipeSet, *c)) {
                node->inEdge = FindEdgeIndex(*c);
                continue;
            }
            HxDbWtPipeEdge* edge = FindEdge(*c);
            if (edge == nullptr)
                continue;
            edge->startNode = FindNodeIndex(n);
            HxDbPipeGraphEnt* pipeRecord = FindPipeGraphEnt(*c);
            if (pipeRecord == nullptr)
                continue;
            node->outEdge = FindEdgeIndex(*c);
            bool reached = false;
            HxDbObjectIdList far = ConnectedIds(pipeRecord);
            for (AcDbObjectId* d = far.FirstPos(); d != nullptr; d = far.NextPos(d)) {
                if (EntIsPipe(*d) || FindNodeIndex(*d) == -1 || !InsertNew(nodeSet, *d))
                    continue;
                edge->endNode = FindNodeIndex(*d);
                queue.Push(*d);
                reached = true;
            }
            if (!reached)
                return 0;
        }
    }
    return 1;
}
