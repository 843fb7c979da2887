// The breadth-first orientation walk shared by the relation builders, and
// the table of what each builder's walk writes.
#include "graph/PipeGraphWalk.h"

#include "graph/HxWtPipeGraphLookup.h"
#include "graph/PipeGraphRecords.h"

#include <vector>

using namespace HxWtPipeGraphRecords;

namespace HxWtPipeGraphWalk {

namespace {

using N = HxDbWtPipeNode; // a node of the graph
using E = HxDbWtPipeEdge; // an edge of the graph

// Whether a newly met pipe whose far end reaches no new node ends the walk
// (refused) or is kept as an open end with far end -1 (when the graph's
// withOutNode switch is on).
enum OpenEnds { kRefused, kIfWithOutNode };

// What one builder's walk writes, and which of the walk's rules apply.
struct WalkPolicy {
    // Set to -1 at the root and to the edge index of a pipe met a second time
    // from the node (its pipe toward the root).
    int N::*rootward;
    // Set to the node a new pipe was met from and to the new node beyond it.
    int E::*nearEnd;
    int E::*farEnd;
    // Records a new pipe (its edge index) at the node it was met from.
    void (*record)(N& node, int edge);
    // Only edges: connected ids that are no edge of the graph are skipped
    // before they count as met.
    bool edgesOnly;
    OpenEnds openEnds;
};

// The two ways a node records a new pipe: in a list, or in a single field.
template <HxDList<int> N::*list> void AppendTo(N& node, int edge) {
    (node.*list).Append(edge);
}

template <int N::*field> void Assign(N& node, int edge) {
    node.*field = edge;
}

// One row per builder, in the order of Builder. Pressure flows away from the
// root (the source): the pipe met again brings the flow in, new pipes leave
// downstream. Gravity flows toward the root (the outlet): the walk runs
// upstream, the pipe met again is the node's outlet and new pipes flow in.
// The path runs from its first node: the pipe met again is the previous pipe,
// the new one the next, and pipes off the path (not loaded) are skipped.
// clang-format off
constexpr WalkPolicy kPolicies[] = {
    // rootward   near end       far end        new pipe at near node   only   open ends
    //                                                                  edges
    {&N::inEdge,  &E::startNode, &E::endNode,   AppendTo<&N::outEdges>, false, kRefused},       // pressure
    {&N::outEdge, &E::endNode,   &E::startNode, AppendTo<&N::inEdges>,  false, kIfWithOutNode}, // gravity
    {&N::inEdge,  &E::startNode, &E::endNode,   Assign<&N::outEdge>,    true,  kRefused},       // gravity path
};
// clang-format on
static_assert(sizeof(kPolicies) / sizeof(kPolicies[0]) ==
                  static_cast<size_t>(Builder::kGravityPath) + 1,
              "one row per builder");

// A queued node: its id, the position and node that its lookup found, and
// the pipe it was reached through with that pipe's edge position (where the
// pipe's lookup will find it when the node's pipes are met).
struct Queued {
    AcDbObjectId id;
    HxDbWtPipeNode* node;
    AcDbObjectId via;
    int index;
    int viaIndex;
};

// One walk: the graph, the policy and the queue and visited sets of one call.
class Walker {
public:
    Walker(HxDbWtPipeGraph& graph, IsPipeFn isPipe, Builder builder)
        : m_graph(graph), m_isPipe(isPipe), m_policy(kPolicies[static_cast<int>(builder)]),
          m_acceptOpenEnds(m_policy.openEnds == kIfWithOutNode && graph.withOutNode) {}

    int Run() {
        m_nodeReached.assign(static_cast<size_t>(m_graph.nodes.Count()), 0);
        m_edgeMet.assign(static_cast<size_t>(m_graph.edges.Count()), 0);
        if (!Lookup().literal && Lookup().loaded.Current(m_graph, m_graph.EntList()))
            m_loaded = &Lookup().loaded;
        Queued root{m_graph.rootId, nullptr, AcDbObjectId(), -1, -1};
        root.index = Lookup().nodes.Find(m_graph.nodes, root.id, &root.node, Lookup().literal);
        if (root.index >= 0)
            m_nodeReached[static_cast<size_t>(root.index)] = 1;
        // Every node is queued at most once, after the root.
        m_queue.reserve(m_nodeReached.size() + 1);
        m_queue.push_back(root);
        for (size_t head = 0; head < m_queue.size(); ++head) {
            const Queued n = m_queue[head]; // by value: the queue grows
            if (!Visit(n))
                return 0;
        }
        return 1;
    }

private:
    // Meets every pipe connected to node n in connection order; false as
    // soon as one of them fails the walk.
    bool Visit(const Queued& n) {
        if (n.id == m_graph.rootId)
            n.node->*m_policy.rootward = -1;
        HxDbPipeGraphEnt* record = m_loaded != nullptr ? m_loaded->Node(n.index, n.id) : nullptr;
        if (record == nullptr)
            record = m_graph.FindPipeGraphEnt(n.id);
        if (record == nullptr)
            return true;
        // The pipes' lookups are independent: their slots load together.
        ForEachConnected(record, [&](const AcDbObjectId& c) {
            Lookup().edges.Prefetch(c);
            return true;
        });
        return ForEachConnected(record, [&](const AcDbObjectId& c) { return Meet(n, c); });
    }

    // Meets pipe c from the node at nodeIndex: a pipe met before is the
    // node's rootward pipe; a new edge is oriented away from the node and its
    // far nodes queued. False when a new edge with a base record reaches no
    // new node and open ends are not accepted.
    bool Meet(const Queued& n, AcDbObjectId c) {
        HxDbWtPipeNode& node = *n.node;
        HxDbWtPipeEdge* edge = nullptr;
        const int hint = c == n.via ? n.viaIndex : m_edgeHint;
        const int edgeIndex = Lookup().edges.Find(m_graph.edges, c, &edge, Lookup().literal, hint);
        if (edgeIndex >= 0)
            m_edgeHint = edgeIndex + 1;
        if (m_policy.edgesOnly && edgeIndex == -1)
            return true;
        if (!FirstMeeting(c, edgeIndex)) {
            node.*m_policy.rootward = edgeIndex;
            return true;
        }
        if (edge == nullptr)
            return true;
        edge->*m_policy.nearEnd = n.index;
        HxDbPipeGraphEnt* pipeRecord = m_loaded != nullptr ? m_loaded->Edge(edgeIndex, c) : nullptr;
        if (pipeRecord == nullptr)
            pipeRecord = m_graph.FindPipeGraphEnt(c);
        if (pipeRecord == nullptr)
            return true;
        m_policy.record(node, edgeIndex);
        return QueueFarNodes(n.id, c, edgeIndex, *edge, pipeRecord) || m_acceptOpenEnds;
    }

    // Queues every node connected to the pipe that is a node of the graph,
    // was not reached before and is not a pipe (the last test opens pipes,
    // so it comes last; the three are independent); the last of them becomes
    // the edge's far end. True when there was one. The near node (id `near`)
    // is reached already, so it is passed over without a lookup. The pipe is
    // c, its edge the one at edgeIndex.
    bool QueueFarNodes(AcDbObjectId near, AcDbObjectId c, int edgeIndex, HxDbWtPipeEdge& edge,
                       const HxDbPipeGraphEnt* pipeRecord) {
        bool reached = false;
        ForEachConnected(pipeRecord, [&](const AcDbObjectId& d) {
            if (d == near)
                return true;
            Queued far{d, nullptr, c, -1, edgeIndex};
            far.index =
                Lookup().nodes.Find(m_graph.nodes, d, &far.node, Lookup().literal, m_nodeHint);
            if (far.index >= 0)
                m_nodeHint = far.index + 1;
            if (far.index == -1 || m_nodeReached[static_cast<size_t>(far.index)] != 0 ||
                (m_graph.*m_isPipe)(d) != 0)
                return true;
            m_nodeReached[static_cast<size_t>(far.index)] = 1;
            edge.*m_policy.farEnd = far.index;
            m_queue.push_back(far);
            reached = true;
            return true;
        });
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
    const bool m_acceptOpenEnds;
    std::vector<Queued> m_queue; // first in, first out: popped by position
    // Reached nodes and met pipes, by the first index of their id (the root
    // counts as reached).
    std::vector<char> m_nodeReached;
    std::vector<char> m_edgeMet;
    HxIdTable m_otherMet; // met ids that are not edges
    // The records the nodes and edges were loaded from, while they answer
    // for the lists as they are (not in literal mode, which asks the base).
    const LoadedRecords* m_loaded = nullptr;
    // Where the next lookups are expected: after the last edge and node found
    // (the lists are in the order the network was collected in, which a walk
    // of it mostly follows).
    int m_edgeHint = -1;
    int m_nodeHint = -1;
};

} // namespace

int Walk(HxDbWtPipeGraph& graph, IsPipeFn isPipe, Builder builder) {
    return Walker(graph, isPipe, builder).Run();
}

} // namespace HxWtPipeGraphWalk
