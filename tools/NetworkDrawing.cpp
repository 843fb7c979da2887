// The product's entities of a hydraulic model.
#include "NetworkDrawing.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "DrawingLoad.h"
#include "HxWtDbObject.h"
#include "InpText.h"
#include "ToolText.h"
#include "acedads.h"
#include "hxhost/Drawing.h"

namespace hxwt {
namespace {

const wchar_t* const kElevationApp = L"HxSZ_BGWZ";

struct Place {
    double x = 0.0, y = 0.0;
};

class Drawer {
public:
    Drawer(const InpModel& model, AcDbDatabase* db, DrawnModel& drawn)
        : m_model(model), m_db(db), m_drawn(drawn) {}

    bool run(std::string* error) {
        if (acdbRegApp(kElevationApp) != RTNORM) {
            *error = "the drawing refused the application " + toUtf8(kElevationApp);
            return false;
        }
        placeNodes();
        m_wellSize = wellSize();
        m_handles.resize(m_model.links.size());
        for (size_t i = 0; i < m_model.nodes.size() && m_refused.empty(); ++i)
            drawNode(m_model.nodes[i], m_places[i]);
        for (size_t i = 0; i < m_model.links.size() && m_refused.empty(); ++i)
            drawLink(m_model.links[i], i);
        if (!m_refused.empty()) {
            *error = "the drawing refused " + m_refused;
            return false;
        }
        choosePick();
        return true;
    }

private:
    // Places as given; a node on the place of an earlier one moves along x.
    void placeNodes() {
        std::map<std::pair<double, double>, size_t> taken;
        for (size_t i = 0; i < m_model.nodes.size(); ++i) {
            const InpNode& n = m_model.nodes[i];
            m_index[n.id] = i;
            Place p{n.x, n.y};
            auto first = taken.find({p.x, p.y});
            for (int k = 1; taken.count({p.x, p.y}) != 0; ++k)
                p.x = n.x + k * kNodeSeparation;
            if (first != taken.end())
                m_drawn.moves.push_back({n.line,
                                         "node " + n.id + " shares its place with node " +
                                             m_model.nodes[first->second].id + ": drawn " +
                                             inpNumber(p.x - n.x, 6) + " further along x",
                                         false});
            taken[{p.x, p.y}] = i;
            m_places.push_back(p);
        }
    }

    // A well's drawn diameter: 1, or a fifth of the shortest link if less.
    double wellSize() const {
        double shortest = 5.0;
        for (const InpLink& l : m_model.links) {
            const Place& a = m_places[m_index.at(l.from)];
            const Place& b = m_places[m_index.at(l.to)];
            const double d = std::hypot(b.x - a.x, b.y - a.y);
            if (d > 0.0)
                shortest = std::min(shortest, d);
        }
        return shortest / 5.0;
    }

    bool swmm() const { return m_model.format == InpFormat::Swmm; }

    void drawNode(const InpNode& n, const Place& p) {
        const double rim = swmm() ? n.elevation + n.depth : n.elevation;
        const double depth = swmm() || n.kind == NodeKind::Tank ? n.depth : 0.0;
        if (n.kind == NodeKind::Junction) {
            auto* well = new HxDbWtWell(AcGePoint3d(p.x, p.y, rim));
            std::string prefix, index;
            splitWellName(n.id, prefix, index);
            well->SetWellPrefix(fromUtf8(prefix).c_str());
            well->SetWellIndex(fromUtf8(index).c_str());
            well->SetWellDiameter(m_wellSize);
            well->SetWellDeepness(depth);
            add(well, "well " + n.id, m_drawn.wells);
        } else {
            auto* pool = new HxDbWtPool(AcGePoint3d(p.x, p.y, rim));
            pool->SetPoolName(fromUtf8(n.id).c_str());
            const double side = n.area > 0.0 ? std::sqrt(n.area) : 2.0 * m_wellSize;
            pool->SetPoolSize(side, side, depth);
            pool->Fields().SetField(L"Kind", fromUtf8(nodeKindName(n.kind)).c_str());
            add(pool, "pool " + n.id, m_drawn.pools);
        }
        drawElevation(n, p);
    }

    void drawElevation(const InpNode& n, const Place& p) {
        const std::wstring text = fromUtf8(inpNumber(n.elevation, 4));
        auto* symbol = new HxDbSymbElevation(AcGePoint3d(p.x, p.y, 0.0), text.c_str());
        // The elevation tag is what makes the symbol a ground-level sample:
        // a symbol without it would be drawn but never read back.
        resbuf* xdata = acutBuildList(1001, kElevationApp, 1000, text.c_str(), 0);
        const bool tagged = xdata != nullptr && symbol->setXData(xdata) == Acad::eOk;
        acutRelRb(xdata);
        if (!tagged) {
            delete symbol;
            m_refused = "the elevation tag of " + n.id;
            return;
        }
        add(symbol, "the elevation of " + n.id, m_drawn.symbols);
    }

    void drawLink(const InpLink& l, size_t i) {
        const InpNode& from = m_model.nodes[m_index.at(l.from)];
        const InpNode& to = m_model.nodes[m_index.at(l.to)];
        const Place& a = m_places[m_index.at(l.from)];
        const Place& b = m_places[m_index.at(l.to)];
        auto* pipe = new HxDbWtPipe(AcGePoint3d(a.x, a.y, 0.0), AcGePoint3d(b.x, b.y, 0.0));
        const double up = from.elevation + l.inOffset, down = to.elevation + l.outOffset;
        pipe->SetHeights(up, down);
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        pipe->SetGradient(length > 0.0 ? (up - down) / length : 0.0);
        pipe->SetDiameter(l.diameter);
        pipe->Fields().SetField(L"Id", fromUtf8(l.id).c_str());
        pipe->Fields().SetField(L"Kind", fromUtf8(linkKindName(l.kind)).c_str());
        m_handles[i] = add(pipe, "link " + l.id, m_drawn.pipes);
    }

    std::string add(AcDbEntity* ent, const std::string& what, int& count) {
        AcDbObjectId id = hxhost::addToModelSpace(ent, m_db);
        if (id.isNull()) {
            delete ent;
            m_refused = what;
            return {};
        }
        ++count;
        return handleText(id);
    }

    void choosePick() {
        const NodeKind wanted[] = {swmm() ? NodeKind::Outfall : NodeKind::Reservoir,
                                   swmm() ? NodeKind::Outfall : NodeKind::Tank};
        for (NodeKind kind : wanted)
            for (size_t n = 0; n < m_model.nodes.size(); ++n)
                if (m_model.nodes[n].kind == kind && pickAt(n))
                    return;
    }

    bool pickAt(size_t n) {
        const std::string& id = m_model.nodes[n].id;
        for (size_t i = 0; i < m_model.links.size(); ++i) {
            if (m_model.links[i].from != id && m_model.links[i].to != id)
                continue;
            m_drawn.pickHandle = m_handles[i];
            m_drawn.pickX = m_places[n].x;
            m_drawn.pickY = m_places[n].y;
            m_drawn.rootId = id;
            return true;
        }
        return false;
    }

    const InpModel& m_model;
    AcDbDatabase* m_db;
    DrawnModel& m_drawn;
    std::map<std::string, size_t> m_index;
    std::vector<Place> m_places;
    std::vector<std::string> m_handles;
    double m_wellSize = 1.0;
    std::string m_refused;
};

} // namespace

void splitWellName(const std::string& id, std::string& prefix, std::string& index) {
    size_t digits = id.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(id[digits - 1])))
        --digits;
    prefix = id.substr(0, digits);
    index = id.substr(digits);
}

bool drawModel(const InpModel& model, AcDbDatabase* db, DrawnModel& drawn, std::string* error) {
    HxDbSetDrawUnit(db, 1);
    return Drawer(model, db, drawn).run(error);
}

} // namespace hxwt
