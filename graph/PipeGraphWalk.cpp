// The breadth-first orientation walk shared by the relation builders.
#include "graph/PipeGraphWalk.h"

#include "graph/HxWtPipeGraphLookup.h"
#include "graph/PipeGraphRecords.h"

#include "HxListQuene.h"

#include <vector>

using namespace HxWtPipeGraphRecords;

namespace HxWtPipeGraphWalk {

namespace {

// One walk: the graph, the policy and the queue and visited sets of one call.
class Walker {
public:
    Walker(HxDbWtPipeGraph& graph, IsPipeFn isPipe, const WalkPolicy& policy)
        : m_graph(graph), m_isPipe(isPipe), m_policy(policy) {}

    int Run() {
        m_nodeReached.assign(static_cast<size_t>(m_graph.nodes.Count()), 0);
        m_edgeMet.assign(static_cast<size_t>(m_graph.edges.Count()), 0);
        const int root = m_graph.FindNodeIndex(m_graph.rootId);
        if (root >= 0)
            m_nodeReached[static_cast<size_t>(root)] = 1;
        m_queue.Push(m_graph.rootId);
        AcDbObjectId n;
        while (m_queue.Pop(n) != 0) {
            if (!Visit(n))
                return 0;
        }
        return 1;
    }

private:
    // Meets every pipe connected to node n in connection order; false as
    // soon as one of them fails the walk.
    bool Visit(AcDbObjectId n) {
        HxDbWtPipeNode* node = nullptr;
        const int nodeIndex = Lookup().nodes.Find(m_graph.nodes, n, &node, Lookup().literal);
        if (n == m_graph.rootId)
            node->*m_policy.rootward = -1;
        HxDbPipeGraphEnt* record = m_graph.FindPipeGraphEnt(n);
        if (record == nullptr)
            return true;
        HxDbObjectIdList connected = ConnectedIds(record);
        for (AcDbObjectId* c = connected.FirstPos(); c != nullptr; c = connected.NextPos(c)) {
            if (!Meet(*node, nodeIndex, *c))
                return false;
        }
        return true;
    }

    // Meets pipe c from the node at nodeIndex: a pipe met before is the
    // node's rootward pipe; a new edge is oriented away from the node and its
    // far nodes queued. False when a new edge with a base record reaches no
    // new node and the policy does not accept open ends.
    bool Meet(HxDbWtPipeNode& node, int nodeIndex, AcDbObjectId c) {
        HxDbWtPipeEdge* edge = nullptr;
        const int edgeIndex = Lookup().edges.Find(m_graph.edges, c, &edge, Lookup().literal);
        if (m_policy.edgesOnly && edgeIndex == -1)
            return true;
        if (!FirstMeeting(c, edgeIndex)) {
            node.*m_policy.rootward = edgeIndex;
            return true;
        }
        if (edge == nullptr)
            return true;
        edge->*m_policy.nearEnd = nodeIndex;
        HxDbPipeGraphEnt* pipeRecord = m_graph.FindPipeGraphEnt(c);
        if (pipeRecord == nullptr)
            return true;
        m_policy.record(node, edgeIndex);
        return QueueFarNodes(*edge, pipeRecord) || m_policy.acceptOpenEnds;
    }

    // Queues every node connected to the pipe that is not a pipe, is a node
    // of the graph and was not reached before (tested in that order); the
    // last of them becomes the edge's far end. True when there was one.
    bool QueueFarNodes(HxDbWtPipeEdge& edge, const HxDbPipeGraphEnt* pipeRecord) {
        bool reached = false;
        HxDbObjectIdList far = ConnectedIds(pipeRecord);
        for (AcDbObjectId* d = far.FirstPos(); d != nullptr; d = far.NextPos(d)) {
            if ((m_graph.*m_isPipe)(*d) != 0)
                continue;
            const int index = m_graph.FindNodeIndex(*d);
            if (index == -1 || m_nodeReached[static_cast<size_t>(index)] != 0)
                continue;
            m_nodeReached[static_cast<size_t>(index)] = 1;
            edge.*m_policy.farEnd = index;
            m_queue.Push(*d);
            reached = true;
        }
        return reached;
    }

    // True the first time the pipe c (edge index edgeIndex, or -1) is met.
    // An id's first edge index stands for the id, so edges are marked by
    // index; ids that are no edge go into a set.
    bool FirstMeeting(AcDbObjectId c, int edgeIndex) {
        if (edgeIndex < 0)
            return InsertNew(m_otherMet, c);
        char& met = m_edgeMet[static_cast<size_t>(edgeIndex)];
        const bool first = met == 0;
        met = 1;
        return first;
    }

    // The graph's id lookups: one probe answers both a position and the
    // element (the nodes and edges do not change during the walk).
    HxWtPipeGraphLookup& Lookup() { return HxWtPipeGraphLookup::Of(m_graph); }

    HxDbWtPipeGraph& m_graph;
    IsPipeFn m_isPipe;
    const WalkPolicy& m_policy;
    HxListQuene<AcDbObjectId> m_queue{-1};
    // Reached nodes and met pipes, by the first index of their id (the root
    // counts as reached).
    std::vector<char> m_nodeReached;
    std::vector<char> m_edgeMet;
    HxIdTable m_otherMet; // met ids that are not edges
};

} // namespace

int Walk(HxDbWtPipeGraph& graph, IsPipeFn isPipe, const WalkPolicy& policy) {
    return Walker(graph, isPipe, policy).Run();
}

} // namespace HxWtPipeGraphWalk
