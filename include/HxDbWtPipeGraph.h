// The pipe network graph: HxDbWtPipeGraph with its typed nodes
// (HxDbWtPipeNode, one per well or pool) and edges (HxDbWtPipeEdge, one per
// network pipe).
//
// The graph is an HxDbPipeGraph (the generic connectivity records of the
// network entity module) extended by typed records, the roles of the network
// (root, picked and far entity), its kind and the withOutNode switch. A caller
// builds one with CreateGraph, reads nodes, edges and their index fields, asks
// for paths, flags, highlights, and then destroys it or calls ResetGraph.
//
// Ownership: the graph owns its nodes and edges (owning lists, deleted on
// ResetGraph and with the graph). Nodes and edges are only appended (by the
// loaders) or cleared as a whole, so a pointer from FindNode or FindEdge stays
// valid until then. Indices are positions in `nodes` and `edges`; -1 is none.
//
// Copying: a copy is deep. The copy constructor and assignment give the copy
// its own copies of every node and edge (and the base copies its records), so
// the two graphs never share or double-delete an element. Moving transfers the
// elements and leaves the source empty.
//
// Lookups: FindNodeIndex, FindEdgeIndex, FindNode and FindEdge answer as a
// scan of the list from the front would (first match wins), but from an index
// of id -> first position that is brought up to date when the list has grown
// or been cleared, so a lookup costs O(1) on average and building the index
// O(n) once per change of the lists. They leave the lists' cursors alone. The
// index assumes an element's id is not changed after it has been appended
// (the loaders fill an element before appending it).
//
// Status: CreateGraph returns a GraphStatus (0 on success); nothing throws and
// only PrintErrorCode writes to the command line. A root that yields no node
// (an entity that is neither a well nor a pool picked for a gravity network,
// or given as `from`) stops CreateGraph before the relation step with
// kGraphNodeNotFound; the builders never write through a missing root node.
#pragma once

#include "HxWtHost.h"

#include "HxAecBase.h"
#include "HxMepDbObject.h"

#include "HxBFindTree.h"
#include "HxDList.h"
#include "HxDbObjectIdList.h"
#include "HxPDList.h"

#include <memory>

// A well or pool of the graph. All fields are public; callers read them
// directly. The flag word of HxBitData holds the bits of AddNodeFlag.
class HXWTUTILITY_API HxDbWtPipeNode : public HxBitData {
public:
    HxDList<int> linkEdges;       // every edge meeting the node (pressure network with loops)
    HxDList<int> inEdges;         // edges flowing in (gravity network)
    int outEdge = -1;             // edge leaving downstream (gravity); next pipe on a path
    int inEdge = -1;              // edge bringing the flow (pressure); previous pipe on a path
    HxDList<int> outEdges;        // edges leaving (pressure network)
    AcGePoint3d location;         // x, y as drawn; z in millimetres
    AcDbObjectId entityId;        // the well or pool; key of FindNode
    int spare = 0;                // only constructed and copied
    int kind = 0;                 // 1 well, 2 pool
    CString wellIndex;            // well index text (wells)
    CString prefix;               // well prefix; for a pool its name
    double wellDiameter = 0.0;    // millimetres (wells)
    double wellDeepness = 0.0;    // millimetres (wells)
    double poolLength = 0.0;      // millimetres (pools)
    double poolWidth = 0.0;       // millimetres (pools)
    double poolDeepness = 0.0;    // millimetres (pools)
    HxDbObjectIdList gulleyPipes; // connected pipes that are not network pipes
    double spare2 = 0.0;          // only constructed and copied
    int locked = 0;               // 1 after Lock, 0 after UnLock

    HxDbWtPipeNode();
    // Member by member, flag word and lock included. Moving copies as well.
    HxDbWtPipeNode(const HxDbWtPipeNode& other);
    HxDbWtPipeNode& operator=(const HxDbWtPipeNode& other);
    HxDbWtPipeNode(HxDbWtPipeNode&& other);
    HxDbWtPipeNode& operator=(HxDbWtPipeNode&& other);
    ~HxDbWtPipeNode() override;

    // No order: both are false for any operands (the container templates
    // need them to exist).
    bool operator<(const HxDbWtPipeNode&) const { return false; }
    bool operator>(const HxDbWtPipeNode&) const { return false; }

    // A mark for callers; nothing in the graph looks at it.
    void Lock() { locked = 1; }
    void UnLock() { locked = 0; }
    int IsLocked() const { return locked; }
};

// A network pipe of the graph. All fields are public. The flag word of
// HxBitData holds the bits of AddPipeFlag.
class HXWTUTILITY_API HxDbWtPipeEdge : public HxBitData {
public:
    int startNode = -1;           // upstream node index (set by the relation builders)
    int endNode = -1;             // downstream node index
    AcDbObjectId pipeId;          // the pipe; key of FindEdge
    double upriverHeight = 0.0;   // metres
    double downriverHeight = 0.0; // metres
    double gradient = 0.0;        // as the pipe gives it
    int diameter = 0;             // millimetres, truncated toward zero
    int direction = 0;            // the pipe's direction value
    CString material;
    double length = 0.0;   // 3D length, millimetres
    double length2d = 0.0; // plan length, millimetres

    HxDbWtPipeEdge();
    HxDbWtPipeEdge(const HxDbWtPipeEdge& other);
    HxDbWtPipeEdge& operator=(const HxDbWtPipeEdge& other);
    HxDbWtPipeEdge(HxDbWtPipeEdge&& other);
    HxDbWtPipeEdge& operator=(HxDbWtPipeEdge&& other);
    ~HxDbWtPipeEdge() override;

    bool operator<(const HxDbWtPipeEdge&) const { return false; }
    bool operator>(const HxDbWtPipeEdge&) const { return false; }
};

class HxWtPipeGraphLookup;

// The graph of one connected water network. See the file comment for
// ownership, copying and the cost of the lookups.
class HXWTUTILITY_API HxDbWtPipeGraph : public HxDbPipeGraph {
public:
    // Fixed int base: any int value is stored unchanged.
    enum GraphType : int { kGravity = 1, kPressure = 2 };

    enum GraphStatus {
        kGraphOk = 0,
        kGraphBadParam = 1,
        kGraphOpenFailed = 2,
        kGraphTypeMismatch = 3,
        kGraphFilterFailed = 4,
        kGraphHasLoop = 5,
        kGraphRelateFailed = 6,
        kGraphNodeNotFound = 7,
    };

    int startEdge = -1;             // edge of the picked pipe (pressure builders)
    HxPDList<HxDbWtPipeEdge> edges; // owning
    HxPDList<HxDbWtPipeNode> nodes; // owning
    HxDList<int> pathEdgeOrder;     // positions of edges made by path loading
    HxDList<int> pathNodeOrder;     // positions of nodes made by path loading
    AcDbObjectId rootId;            // where the relation builders start
    AcDbObjectId pickedId;          // first entity given to CreateGraph
    AcDbObjectId endId;             // far entity of CreateGraph(from, to)
    GraphType graphType = kGravity; // any int is stored as given
    bool withOutNode = false;       // tolerate pipes without two wells

    HxDbWtPipeGraph();
    // Deep copies (see the file comment); the lookup index is rebuilt.
    HxDbWtPipeGraph(const HxDbWtPipeGraph& other);
    HxDbWtPipeGraph& operator=(const HxDbWtPipeGraph& other);
    HxDbWtPipeGraph(HxDbWtPipeGraph&& other);
    HxDbWtPipeGraph& operator=(HxDbWtPipeGraph&& other);
    ~HxDbWtPipeGraph();

    void SetPipeGraphType(GraphType type) { graphType = type; }
    void SetWithOutNode(bool on) { withOutNode = on; }
    bool IsWithOutNode() { return withOutNode; }

    // Position of the first node (edge) with that id; -1 when none (also for
    // the null id on a graph without such an element, and on an empty graph).
    int FindNodeIndex(AcDbObjectId id);
    int FindEdgeIndex(AcDbObjectId id);
    // The first node (edge) with that id, or null.
    HxDbWtPipeNode* FindNode(AcDbObjectId id);
    HxDbWtPipeEdge* FindEdge(AcDbObjectId id);
    // ORs flag into the flag word of the first node (edge) with that id: 1,
    // or 0 and no change when there is none.
    int AddNodeFlag(AcDbObjectId id, int flag);
    int AddPipeFlag(AcDbObjectId id, int flag);

    // Builds the network from a picked entity (normally a pipe) and a point
    // on it; returns a GraphStatus. Writes pipe flag 3 into the drawing for
    // pipes on equipment (also when the relation step then fails); nothing
    // else is written. Expects a new graph or one after ResetGraph.
    int CreateGraph(AcDbObjectId pipe, const AcGePoint3d& point);
    // Builds the gravity path between two non-pipe entities; a GraphStatus.
    int CreateGraph(AcDbObjectId from, AcDbObjectId to);
    // startEdge -1, nodes, edges and the path orders cleared, base reset; the
    // roles, the kind and withOutNode stay.
    void ResetGraph();

    // Appends to each node's gulleyPipes the connected pipes whose flag is not
    // 1, without clearing first. 0 when the graph has no nodes, else 1.
    int CreateLinkGulleyEdge();

    // Appends the edge indices (-1 for pipes that are not edges) of the first
    // path between the two entities; 0 and nothing appended when none.
    int FindGraphPipePath(AcDbObjectId start, AcDbObjectId end, HxDList<int>& result);
    // Appends the node indices along the path (direction non-zero: along the
    // edges' start-to-end direction, 0: against it); 0 as soon as a -1 was
    // appended, else 1.
    int GetPipePathNode(HxDbPipeGraphPath& path, HxDList<int>& result, int direction);
    // Prints the message of status codes 1..7 on the command line; nothing
    // for any other value.
    void PrintErrorCode(int code);
    // Switch the highlighting of every edge's pipe on (off) inside one
    // transaction of the current document; pipes that cannot be got are
    // skipped. Without a current document nothing happens.
    void Highlight();
    void UnHighlight();

private:
    friend class HxWtPipeGraphLookup;

    int EntIsPipe(AcDbObjectId id);
    int LoadGraphElement();
    int LoadGraphElement(HxDbObjectIdList pipes);
    int RemoveExcrescentGraphElement(AcDbObjectId pipe, const AcGePoint3d& point);
    int RemoveExcrescentGraphElementFromPoint(AcDbObjectId pipe, const AcGePoint3d& end);
    void SetPipeLinkEquipFlag();
    int CreateWtRelateGraph();
    int CreatePressurRelateGraph();
    int CreatePressurLoopRelateGraph();
    int CreateGravityRelateGraph();
    int CreateGravityRelateGraphPath();

    // Shared by Highlight and UnHighlight.
    void SetHighlight(bool on);
    // Deep copies of other's nodes and edges appended to this graph's lists.
    void CopyElements(const HxDbWtPipeGraph& other);
    // Copies the plain members (start edge, ids, kind, withOutNode, lookup mode).
    void CopyScalars(const HxDbWtPipeGraph& other);

    // The id -> first position index of the lookups (never null).
    std::unique_ptr<HxWtPipeGraphLookup> m_lookup;
};
