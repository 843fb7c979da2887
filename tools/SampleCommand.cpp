// hxwt sample NAME OUT.dxf: draws one of the bundled sample networks through
// the entity API into a new drawing (in metres) and saves it. The same name
// always gives the same file, byte for byte: examples/ holds the results.
//
// gravity:  outlet pool O, a main line O-W1-W2-W3, branches W1-W4-W5 and
//           W2-W6, gulley pipes (flag 2) into W3, W4 and W6, and a pipe from
//           equipment E into W3. The outlet pipe is drawn first.
// pressure: source well S feeding J1, which feeds J2 and J3; J2 feeds J4 and
//           J5 (a tree, so every pipe has a direction).
// loop:     outlet pool O with wells W1, W2, W3 where W1-W2-W3 close a loop.
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "DrawingFile.h"
#include "HxWtDbObject.h"
#include "ToolCommands.h"
#include "ToolText.h"
#include "hxhost/Drawing.h"
#include "hxhost/DxfFile.h"

namespace hxwt {
namespace {

// Draws named wells (prefix: the first letter, index: the rest), pools and
// pipes into one database; pipes run from their
// first named point to the second (downstream for gravity networks).
class SampleDrawer {
public:
    explicit SampleDrawer(AcDbDatabase* db) : m_db(db) {}

    void well(const std::string& name, double x, double y, double z) {
        auto* w = new HxDbWtWell(AcGePoint3d(x, y, z));
        w->SetWellPrefix(fromUtf8(name.substr(0, 1)).c_str());
        w->SetWellIndex(fromUtf8(name.substr(1)).c_str());
        w->SetWellDiameter(1.0);
        w->SetWellDeepness(2.5);
        add(name, x, y, w);
    }
    void pool(const std::string& name, double x, double y, double z) {
        auto* p = new HxDbWtPool(AcGePoint3d(x, y, z));
        p->SetPoolName(fromUtf8(name).c_str());
        p->SetPoolSize(6.0, 4.0, 3.0);
        add(name, x, y, p);
    }
    void equipment(const std::string& name, double x, double y) {
        auto* e =
            new HxDbWtEquipment(AcGePoint3d(x, y - 2.0, 0.0), AcGePoint3d(x + 4.0, y + 2.0, 0.0));
        e->SetName(fromUtf8(name).c_str());
        add(name, x, y, e);
    }
    // A bare point a pipe can end at.
    void point(const std::string& name, double x, double y) { m_points[name] = {x, y, 0.0}; }

    void pipe(const std::string& from, const std::string& to, double diameter, double upriver,
              double downriver, HxDbWtPipe::PipeFlag flag = HxDbWtPipe::kNetworkPipe) {
        auto* p = new HxDbWtPipe(m_points.at(from), m_points.at(to));
        p->SetPipeFlag(flag);
        p->SetDiameter(diameter);
        p->SetHeights(upriver, downriver);
        p->SetGradient(0.005);
        p->SetMaterial(flag == HxDbWtPipe::kConnectPipe ? L"PVC" : L"HDPE");
        add("", 0.0, 0.0, p);
    }

    bool ok() const { return m_refused == 0; }

private:
    void add(const std::string& name, double x, double y, AcDbEntity* ent) {
        if (hxhost::addToModelSpace(ent, m_db).isNull()) {
            delete ent;
            ++m_refused;
        }
        if (!name.empty())
            m_points[name] = {x, y, 0.0};
    }

    AcDbDatabase* m_db;
    std::map<std::string, AcGePoint3d> m_points;
    int m_refused = 0;
};

void drawGravity(SampleDrawer& d) {
    d.pool("O", 0, 0, 12.0);
    d.well("W1", 30, 0, 12.2);
    d.well("W2", 60, 0, 12.4);
    d.well("W3", 90, 0, 12.6);
    d.well("W4", 30, 30, 12.5);
    d.well("W5", 30, 60, 12.8);
    d.well("W6", 60, -30, 12.7);
    d.equipment("E", 120, 0);
    d.point("G1", 95, 8);
    d.point("G2", 24, 35);
    d.point("G3", 66, -34);
    d.pipe("W1", "O", 0.5, 10.15, 10.0);
    d.pipe("W2", "W1", 0.4, 10.3, 10.15);
    d.pipe("W3", "W2", 0.3, 10.45, 10.3);
    d.pipe("W4", "W1", 0.3, 10.3, 10.15);
    d.pipe("W5", "W4", 0.3, 10.45, 10.3);
    d.pipe("W6", "W2", 0.3, 10.45, 10.3);
    d.pipe("E", "W3", 0.2, 10.6, 10.45);
    d.pipe("G1", "W3", 0.2, 11.0, 10.9, HxDbWtPipe::kConnectPipe);
    d.pipe("G2", "W4", 0.2, 11.0, 10.9, HxDbWtPipe::kConnectPipe);
    d.pipe("G3", "W6", 0.2, 11.0, 10.9, HxDbWtPipe::kConnectPipe);
}

void drawPressure(SampleDrawer& d) {
    d.well("S1", 0, 0, 15.0);
    d.well("J1", 40, 0, 14.8);
    d.well("J2", 80, 0, 14.6);
    d.well("J3", 40, 40, 14.9);
    d.well("J4", 80, -40, 14.5);
    d.well("J5", 120, 0, 14.4);
    d.pipe("S1", "J1", 0.4, 13.5, 13.4);
    d.pipe("J1", "J2", 0.3, 13.4, 13.3);
    d.pipe("J1", "J3", 0.2, 13.4, 13.3);
    d.pipe("J2", "J4", 0.2, 13.3, 13.2);
    d.pipe("J2", "J5", 0.3, 13.3, 13.2);
}

void drawLoop(SampleDrawer& d) {
    d.pool("O", 0, 0, 12.0);
    d.well("W1", 30, 0, 12.2);
    d.well("W2", 60, 0, 12.4);
    d.well("W3", 45, 30, 12.6);
    d.pipe("W1", "O", 0.4, 10.15, 10.0);
    d.pipe("W2", "W1", 0.3, 10.3, 10.15);
    d.pipe("W3", "W2", 0.3, 10.45, 10.3);
    d.pipe("W3", "W1", 0.3, 10.45, 10.15);
}

const std::map<std::string, std::function<void(SampleDrawer&)>>& samples() {
    static const std::map<std::string, std::function<void(SampleDrawer&)>> table = {
        {"gravity", drawGravity}, {"pressure", drawPressure}, {"loop", drawLoop}};
    return table;
}

struct SampleOptions {
    std::string name;
    std::string out;
};

int runSample(const SampleOptions& options) {
    auto it = samples().find(options.name);
    if (it == samples().end()) {
        std::cerr << "hxwt: no sample named " << options.name << " (gravity, pressure, loop)\n";
        return 2;
    }
    auto db = std::make_unique<AcDbDatabase>(true, true);
    HxDbSetDrawUnit(db.get(), 1);
    SampleDrawer drawer(db.get());
    it->second(drawer);
    if (!drawer.ok()) {
        std::cerr << "hxwt: the drawing refused an entity of sample " << options.name << "\n";
        return 1;
    }
    return saveDrawing(*db, options.out) ? 0 : 1;
}

} // namespace

void addSampleCommand(CLI::App& app) {
    auto options = std::make_shared<SampleOptions>();
    CLI::App* cmd = app.add_subcommand("sample", "Draw a bundled sample network and save it");
    cmd->add_option("name", options->name, "gravity, pressure or loop")->required();
    cmd->add_option("out", options->out, "The DXF file to write")->required();
    cmd->callback([options] { setExitCode(runSample(*options)); });
}

} // namespace hxwt
