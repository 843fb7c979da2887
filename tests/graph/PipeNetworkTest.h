// Fixture of the graph tests: draws named wells, pools, pipes and equipment
// into the current drawing through the entity API, and checks built graphs
// in the network's own terms (names instead of ids and indices).
//
// Pipes are drawn from their first named end to the second; a name given for
// an end that is not a drawn entity is a bare point ("x:y").
#pragma once

#include "HostTest.h"

#include "HxDbWtPipeGraph.h"
#include "HxWtDbObject.h"
#include "hxhost/Drawing.h"

#include <map>
#include <string>

class PipeNetworkTest : public HostTest {
public:
    AcDbObjectId well(const std::string& name, double x, double y, double z = 0.0) {
        auto* w = new HxDbWtWell(AcGePoint3d(x, y, z));
        std::wstring wide(name.begin(), name.end());
        w->SetWellPrefix(L"W");
        w->SetWellIndex(wide.c_str());
        return remember(name, {x, y, z}, hxhost::addToModelSpace(w));
    }

    AcDbObjectId pool(const std::string& name, double x, double y, double z = 0.0) {
        auto* p = new HxDbWtPool(AcGePoint3d(x, y, z));
        std::wstring wide(name.begin(), name.end());
        p->SetPoolName(wide.c_str());
        p->SetPoolSize(4.0, 2.0, 3.0);
        return remember(name, {x, y, z}, hxhost::addToModelSpace(p));
    }

    // A box of equipment around (x, y), half a unit each way.
    AcDbObjectId equipment(const std::string& name, double x, double y) {
        auto* e =
            new HxDbWtEquipment(AcGePoint3d(x - 0.5, y - 0.5, 0), AcGePoint3d(x + 0.5, y + 0.5, 0));
        return remember(name, {x, y, 0}, hxhost::addToModelSpace(e));
    }

    // A bare point a pipe can end at (no entity).
    void point(const std::string& name, double x, double y) { m_points[name] = {x, y, 0}; }

    AcDbObjectId pipe(const std::string& name, const std::string& from, const std::string& to,
                      int flag = 1, double diameter = 300.0) {
        auto* p = new HxDbWtPipe(m_points.at(from), m_points.at(to));
        p->SetPipeFlag(static_cast<HxDbWtPipe::PipeFlag>(flag));
        p->SetDiameter(diameter);
        p->SetHeights(12.5, 11.5);
        p->SetMaterial(L"PE");
        AcDbObjectId id = hxhost::addToModelSpace(p);
        m_ids[name] = id;
        m_names[id] = name;
        return id;
    }

    AcDbObjectId id(const std::string& name) const { return m_ids.at(name); }
    AcGePoint3d at(const std::string& name) const { return m_points.at(name); }
    // A point a tenth of the way from `near` toward `far`.
    AcGePoint3d near(const std::string& nearEnd, const std::string& farEnd) const {
        AcGePoint3d a = at(nearEnd), b = at(farEnd);
        return AcGePoint3d(a.x + (b.x - a.x) * 0.1, a.y + (b.y - a.y) * 0.1, 0);
    }

    // The name of a node or edge index of the graph ("-" for -1).
    std::string nodeName(HxDbWtPipeGraph& g, int index) const {
        return index < 0 ? "-" : nameOf(g.nodes.At(index)->entityId);
    }
    std::string edgeName(HxDbWtPipeGraph& g, int index) const {
        return index < 0 ? "-" : nameOf(g.edges.At(index)->pipeId);
    }
    std::string nameOf(AcDbObjectId id) const {
        auto it = m_names.find(id);
        return it == m_names.end() ? "?" : it->second;
    }

    // The texts of a list's elements in list order, space separated.
    template <class List, class Text> static std::string join(List& list, Text text) {
        std::string out;
        for (auto* p = list.FirstPos(); p != nullptr; p = list.NextPos(p))
            out += (out.empty() ? "" : " ") + text(*p);
        return out;
    }
    std::string edgeNames(HxDbWtPipeGraph& g, HxDList<int>& list) const {
        return join(list, [&](int i) { return edgeName(g, i); });
    }
    std::string nodeNames(HxDbWtPipeGraph& g, HxDList<int>& list) const {
        return join(list, [&](int i) { return nodeName(g, i); });
    }
    std::string idNames(HxDbObjectIdList& list) const {
        return join(list, [&](AcDbObjectId i) { return nameOf(i); });
    }
    // "A B C": the entities of the nodes (edges) in list order.
    std::string nodeList(HxDbWtPipeGraph& g) const {
        return join(g.nodes, [&](HxDbWtPipeNode* n) { return nameOf(n->entityId); });
    }
    std::string edgeList(HxDbWtPipeGraph& g) const {
        return join(g.edges, [&](HxDbWtPipeEdge* e) { return nameOf(e->pipeId); });
    }
    // "A:R->W1 B:-->-": every edge in list order with its start and end node.
    std::string flows(HxDbWtPipeGraph& g) const {
        return join(g.edges, [&](HxDbWtPipeEdge* e) {
            return nameOf(e->pipeId) + ":" + nodeName(g, e->startNode) + "->" +
                   nodeName(g, e->endNode);
        });
    }
    // "R(outs A) W1(in A outs B)": every node in list order with the relation
    // fields that are set (inEdge, inEdges, outEdge, outEdges, linkEdges;
    // -1 and empty lists are left out).
    std::string relations(HxDbWtPipeGraph& g) const {
        return join(g.nodes, [&](HxDbWtPipeNode* n) {
            std::string out;
            auto add = [&](const char* key, const std::string& value) {
                if (value != "-" && !value.empty())
                    out += (out.empty() ? "" : " ") + std::string(key) + " " + value;
            };
            add("in", edgeName(g, n->inEdge));
            add("ins", edgeNames(g, n->inEdges));
            add("out", edgeName(g, n->outEdge));
            add("outs", edgeNames(g, n->outEdges));
            add("links", edgeNames(g, n->linkEdges));
            return nameOf(n->entityId) + "(" + out + ")";
        });
    }

    // The pipe's stored flag (opened for read and closed).
    int flagOf(const std::string& pipeName) const {
        AcDbObjectPointer<HxDbWtPipe> p(id(pipeName), AcDb::kForRead);
        return p.openStatus() == Acad::eOk ? static_cast<int>(p->GetPipeFlag()) : -1;
    }

private:
    AcDbObjectId remember(const std::string& name, AcGePoint3d where, AcDbObjectId id) {
        m_points[name] = where;
        m_ids[name] = id;
        m_names[id] = name;
        return id;
    }

    std::map<std::string, AcGePoint3d> m_points;
    std::map<std::string, AcDbObjectId> m_ids;
    std::map<AcDbObjectId, std::string> m_names;
};
