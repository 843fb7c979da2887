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
// supply:   source well S1 feeding a ring J1-J2-J3-J4 through two pipes (to
//           J1 and J4), and a tree branch J3-J5-J6.
// overlaps: bare pipes with seeded faults for hxwt check.
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "HxWtDbObject.h"
#include "ExitCode.h"
#include "DrawingFile.h"
#include "OutputGuard.h"
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

    // A bare pipe between two points, with the entity's default values.
    void rawPipe(const AcGePoint3d& start, const AcGePoint3d& end) {
        add("", 0.0, 0.0, new HxDbWtPipe(start, end));
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

void drawSupply(SampleDrawer& d) {
    d.well("S1", 0, 0, 15.0);
    d.well("J1", 40, 0, 14.8);
    d.well("J2", 80, 0, 14.6);
    d.well("J3", 80, 40, 14.7);
    d.well("J4", 40, 40, 14.9);
    d.well("J5", 120, 40, 14.5);
    d.well("J6", 160, 40, 14.4);
    d.pipe("S1", "J1", 0.4, 13.5, 13.4);
    d.pipe("S1", "J4", 0.4, 13.5, 13.4);
    d.pipe("J1", "J2", 0.3, 13.4, 13.3);
    d.pipe("J2", "J3", 0.3, 13.3, 13.3);
    d.pipe("J3", "J4", 0.3, 13.3, 13.4);
    d.pipe("J4", "J1", 0.3, 13.4, 13.4);
    d.pipe("J3", "J5", 0.2, 13.3, 13.2);
    d.pipe("J5", "J6", 0.2, 13.2, 13.1);
}

// Seeded faults for hxwt check: duplicates, pipes lying on longer ones,
// zero-length pipes, stacked pipes (plan overlaps only), and pipes that only
// touch or cross. Drawn in the drawing's default unit.
void drawOverlaps(SampleDrawer& d) {
    const struct {
        AcGePoint3d start;
        AcGePoint3d end;
    } pipes[] = {
        {{0, 0, 0}, {100, 0, 0}},     {{100, 0, 0}, {100, 80, 0}},  {{0, 0, 0}, {100, 0, 0}},
        {{20, 0, 0}, {60, 0, 0}},     {{100, 20, 0}, {100, 40, 0}}, {{50, 50, 0}, {50, 50, 0}},
        {{0, 0, 0}, {0, 60, 0}},      {{-20, 30, 0}, {20, 30, 0}},  {{0, 10, 2}, {0, 40, 2}},
        {{100, 80, 0}, {100, 80, 0}}, {{100, 80, 0}, {160, 80, 0}}, {{160, 80, 0}, {100, 80, 0}},
    };
    for (const auto& p : pipes)
        d.rawPipe(p.start, p.end);
}

struct Sample {
    std::function<void(SampleDrawer&)> draw;
    bool metres;
};

const std::map<std::string, Sample>& samples() {
    static const std::map<std::string, Sample> table = {{"gravity", {drawGravity, true}},
                                                        {"pressure", {drawPressure, true}},
                                                        {"loop", {drawLoop, true}},
                                                        {"supply", {drawSupply, true}},
                                                        {"overlaps", {drawOverlaps, false}}};
    return table;
}

struct SampleOptions {
    std::string name;
    std::string out;
};

std::string sampleNames() {
    std::string names;
    for (const auto& entry : samples())
        names += (names.empty() ? "" : ", ") + entry.first;
    return names;
}

int runSample(const SampleOptions& options) {
    auto it = samples().find(options.name);
    if (it == samples().end()) {
        std::cerr << "hxwt: no sample named " << options.name << " (" << sampleNames() << ")\n";
        return kExitUsage;
    }
    const std::string refusal = outputRefusal(options.out);
    if (!refusal.empty()) {
        std::cerr << "hxwt: " << refusal << "\n";
        return kExitUsage;
    }
    auto db = std::make_unique<AcDbDatabase>(true, true);
    if (it->second.metres)
        HxDbSetDrawUnit(db.get(), 1);
    SampleDrawer drawer(db.get());
    it->second.draw(drawer);
    if (!drawer.ok()) {
        std::cerr << "hxwt: the drawing refused an entity of sample " << options.name << "\n";
        return kExitNegative;
    }
    std::string error;
    if (const ExitCode written = writeDrawing(db.get(), options.out, &error); written != kExitOk) {
        std::cerr << "hxwt: cannot write " << error << "\n";
        return written;
    }
    return kExitOk;
}

} // namespace

void addSampleCommand(CLI::App& app) {
    auto options = std::make_shared<SampleOptions>();
    CLI::App* cmd = app.add_subcommand("sample", "Draw a bundled sample network and save it");
    cmd->add_option("name", options->name, "gravity, pressure, loop, supply or overlaps")
        ->required();
    cmd->add_option("out", options->out, "The DXF file to write")->required();
    cmd->callback([options] { setExitCode(runSample(*options)); });
}

} // namespace hxwt
