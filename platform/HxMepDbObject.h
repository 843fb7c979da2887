// The product's network entity module HxMepDbObject: the generic pipe entity
// and the generic pipe graph over the connected entities of a drawing.
//
// HxDbPipeGraph collects one connected network into records: one entity record
// per collected entity (carrying the entity's id and the ids of the entities
// directly connected to it), an equipment record besides for each equipment,
// and the paths found between two entities. The node and edge lists belong to
// the shared layout and stay empty here. Every record list owns its records.
// Copying a graph copies every record.
//
// Connections (see also README): in plan, within HxGeTolerance(), a pipe end
// meets another pipe's end that coincides with it, a well or pool whose
// location it lies on (z ignored) and equipment whose box holds it. Pipe ends
// that coincide, with what they meet, form one junction; loops and paths are
// taken over junctions, so pipes that meet both at a well and end to end do
// not make a false loop.
#pragma once

#include "HxAecDbObject.h"
#include "HxDbObjectIdList.h"
#include "HxPDList.h"
#include "HxPXList.h"

#ifndef HXMEPDBOBJECT_API
#define HXMEPDBOBJECT_API __declspec(dllimport)
#endif

// A pipe of the product: an entity with two ends that connects to others.
// Holds the two end points; the plan extents are the box of the segment.
class HXMEPDBOBJECT_API HxDbPipeEntity : public HxDbEntity {
public:
    ACRX_DECLARE_MEMBERS(HxDbPipeEntity);
    HxDbPipeEntity();
    HxDbPipeEntity(const AcGePoint3d& start, const AcGePoint3d& end);
    ~HxDbPipeEntity() override;

    AcGePoint3d GetStartPoint() const;
    AcGePoint3d GetEndPoint() const;
    // Needs the pipe open for write or not yet in a database (eNotOpenForWrite).
    Acad::ErrorStatus SetPoints(const AcGePoint3d& start, const AcGePoint3d& end);

    // Appends the ids of the entities of class `cls` (or derived from it)
    // connected to this pipe's ends in its drawing: what lies at the start,
    // then what lies at the end, each end in drawing order, every id once. A
    // null class means every class. Appends nothing for a pipe not in a
    // database. Cost: one pass over the model space of the pipe's drawing.
    void GetConnectEnt(HxDbObjectIdList& out, const AcRxClass* cls) const;

    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

private:
    AcGePoint3d m_start;
    AcGePoint3d m_end;
};

// A record of the generic graph: one entity and its direct connections.
class HXMEPDBOBJECT_API HxDbPipeGraphEntBase {
public:
    HxDbPipeGraphEntBase() = default;
    explicit HxDbPipeGraphEntBase(const AcDbObjectId& id) : m_id(id) {}
    virtual ~HxDbPipeGraphEntBase();

    AcDbObjectId GetObjectId() const { return m_id; }
    // Appends the ids of the entities directly connected to the record's
    // entity: for a well, pool or equipment the pipes that end at it, in
    // drawing order; for a pipe what lies at its start, then at its end (each
    // end in drawing order, every id once). Nothing for a record without
    // connections. `out` is appended to, never cleared.
    void GetConnectEnt(HxDbObjectIdList& out) const;

    // The connection list itself, for the graph that fills it.
    HxDbObjectIdList& Connections() { return m_connects; }
    const HxDbObjectIdList& Connections() const { return m_connects; }

    bool operator<(const HxDbPipeGraphEntBase&) const { return false; }
    bool operator>(const HxDbPipeGraphEntBase&) const { return false; }

protected:
    AcDbObjectId m_id;
    HxDbObjectIdList m_connects;
};

// The record of a collected entity.
class HXMEPDBOBJECT_API HxDbPipeGraphEnt : public HxDbPipeGraphEntBase {
public:
    using HxDbPipeGraphEntBase::HxDbPipeGraphEntBase;
    ~HxDbPipeGraphEnt() override;
};

// The record of a collected equipment entity.
class HXMEPDBOBJECT_API HxDbPipeGraphEquip : public HxDbPipeGraphEntBase {
public:
    using HxDbPipeGraphEntBase::HxDbPipeGraphEntBase;
    ~HxDbPipeGraphEquip() override;
};

// A junction of the raw connectivity: a plan position where entities meet.
class HXMEPDBOBJECT_API HxDbPipeGraphNode : public HxDbPipeGraphEntBase {
public:
    HxDbPipeGraphNode() = default;
    HxDbPipeGraphNode(const AcDbObjectId& id, const HxGePoint& at)
        : HxDbPipeGraphEntBase(id), m_point(at) {}
    ~HxDbPipeGraphNode() override;
    const HxGePoint& GetPoint() const { return m_point; }

private:
    HxGePoint m_point;
};

// A pipe of the raw connectivity between two junctions (indices into the
// graph's node list, -1 for none).
class HXMEPDBOBJECT_API HxDbPipeGraphEdge : public HxDbPipeGraphEntBase {
public:
    HxDbPipeGraphEdge() = default;
    HxDbPipeGraphEdge(const AcDbObjectId& id, int startNode, int endNode)
        : HxDbPipeGraphEntBase(id), m_startNode(startNode), m_endNode(endNode) {}
    ~HxDbPipeGraphEdge() override;
    int GetStartNode() const { return m_startNode; }
    int GetEndNode() const { return m_endNode; }

private:
    int m_startNode = -1;
    int m_endNode = -1;
};

// A path of pipes between two entities.
class HXMEPDBOBJECT_API HxDbPipeGraphPath {
public:
    HxDbPipeGraphPath() = default;
    virtual ~HxDbPipeGraphPath();
    // Appends the ids of the path's pipes in order from its start to its end
    // (`out` is appended to, never cleared).
    void GetPathPipeId(HxDbObjectIdList& out) const;
    HxDbObjectIdList& Pipes() { return m_pipes; }

    bool operator<(const HxDbPipeGraphPath&) const { return false; }
    bool operator>(const HxDbPipeGraphPath&) const { return false; }

private:
    HxDbObjectIdList m_pipes;
};

// The generic pipe graph of one connected network of the current drawing.
class HXMEPDBOBJECT_API HxDbPipeGraph {
public:
    HxDbPipeGraph();
    HxDbPipeGraph(const HxDbPipeGraph& other);
    HxDbPipeGraph& operator=(const HxDbPipeGraph& other);
    ~HxDbPipeGraph();

    // Fills the record lists with the whole network connected to `id` in the
    // model space of its drawing, breadth-first from `id` (records in that
    // order, each connection list in GetConnectEnt's order). Entities that
    // have a record already are not added again. A product entity outside the
    // network kinds or outside the model space gives one record without
    // connections. False (nothing added) when `id` is null, erased or does not
    // open for read as a product entity. Cost: one pass over the model space
    // (each entity opened once), a spatial hash of the end points and
    // O(records + connections) after it; no entity stays open.
    bool CreateRelateGraph(AcDbObjectId id);
    // True when the collected records contain a closed loop of pipes: two
    // pipes between the same junctions, a ring through wells, pools,
    // equipment or bare joints, or a pipe whose two ends share a junction.
    // False for an empty graph. Cost: O(records + connections).
    bool HasLoop() const;
    // Replaces the path list with the shortest path (fewest pipes, ties by
    // record order) from `from` to `to` over the current records; a pipe
    // given as `from` or `to` is the path's first or last pipe. Returns 1, or
    // 0 with an empty list when either id has no record, from == to, or no
    // path of at least one pipe joins them. Cost: O(records + connections).
    int FindPipePath(AcDbObjectId from, AcDbObjectId to);
    // The record of `id`, or null when the entity is not in the collected
    // network (null id included). Constant time.
    HxDbPipeGraphEnt* FindPipeGraphEnt(AcDbObjectId id) const;
    // Removes the record of `id` (and its equipment record), deleting it, and
    // drops `id` from the connection lists of the entities it was connected
    // to; the other records keep their order. False when there was none.
    // Cost: O(log n) plus the walk of the list's cursor to the record.
    bool RemoveEnt(const AcDbObjectId& id);
    // Empties every record list (records deleted) and the lookup state.
    void Reset();

    const HxPDList<HxDbPipeGraphEnt>& EntList() const { return m_entList; }
    const HxPDList<HxDbPipeGraphPath>& PathList() const { return m_pathList; }

protected:
    HxPDList<HxDbPipeGraphEnt> m_entList;
    HxPDList<HxDbPipeGraphEquip> m_equipList;
    HxPXList<HxDbPipeGraphNode> m_nodeList;
    HxPDList<HxDbPipeGraphEdge> m_edgeList;
    HxGeObjList m_geObjList;
    HxPDList<HxDbPipeGraphPath> m_pathList;

private:
    // Lookup state of the implementation (id -> record), kept in step with
    // the entity list.
    struct Index;
    // The implementation's helpers (collection, loops, paths, copies).
    struct Ops;
    Index* m_index;
};
