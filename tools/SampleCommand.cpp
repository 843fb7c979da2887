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
#include <vector>

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

// One bundled network as rows, drawn in this order: pools, wells, equipment,
// bare points, then pipes (the first pipe listed is drawn first).
struct PlacedRow {
    const char* name;
    double x, y, z;
};
struct PipeRow {
    const char* from;
    const char* to;
    double diameter, upriver, downriver;
    HxDbWtPipe::PipeFlag flag;
};
struct NetworkRows {
    std::vector<PlacedRow> pools, wells, equipment, points;
    std::vector<PipeRow> pipes;
};

void drawRows(SampleDrawer& d, const NetworkRows& rows) {
    for (const PlacedRow& r : rows.pools)
        d.pool(r.name, r.x, r.y, r.z);
    for (const PlacedRow& r : rows.wells)
        d.well(r.name, r.x, r.y, r.z);
    for (const PlacedRow& r : rows.equipment)
        d.equipment(r.name, r.x, r.y);
    for (const PlacedRow& r : rows.points)
        d.point(r.name, r.x, r.y);
    for (const PipeRow& p : rows.pipes)
        d.pipe(p.from, p.to, p.diameter, p.upriver, p.downriver, p.flag);
}

constexpr HxDbWtPipe::PipeFlag kNet = HxDbWtPipe::kNetworkPipe;
constexpr HxDbWtPipe::PipeFlag kGulley = HxDbWtPipe::kConnectPipe;

const NetworkRows kGravity = {{{"O", 0, 0, 12.0}},
                              {{"W1", 30, 0, 12.2},
                               {"W2", 60, 0, 12.4},
                               {"W3", 90, 0, 12.6},
                               {"W4", 30, 30, 12.5},
                               {"W5", 30, 60, 12.8},
                               {"W6", 60, -30, 12.7}},
                              {{"E", 120, 0, 0}},
                              {{"G1", 95, 8, 0}, {"G2", 24, 35, 0}, {"G3", 66, -34, 0}},
                              {{"W1", "O", 0.5, 10.15, 10.0, kNet},
                               {"W2", "W1", 0.4, 10.3, 10.15, kNet},
                               {"W3", "W2", 0.3, 10.45, 10.3, kNet},
                               {"W4", "W1", 0.3, 10.3, 10.15, kNet},
                               {"W5", "W4", 0.3, 10.45, 10.3, kNet},
                               {"W6", "W2", 0.3, 10.45, 10.3, kNet},
                               {"E", "W3", 0.2, 10.6, 10.45, kNet},
                               {"G1", "W3", 0.2, 11.0, 10.9, kGulley},
                               {"G2", "W4", 0.2, 11.0, 10.9, kGulley},
                               {"G3", "W6", 0.2, 11.0, 10.9, kGulley}}};

const NetworkRows kPressure = {{},
                               {{"S1", 0, 0, 15.0},
                                {"J1", 40, 0, 14.8},
                                {"J2", 80, 0, 14.6},
                                {"J3", 40, 40, 14.9},
                                {"J4", 80, -40, 14.5},
                                {"J5", 120, 0, 14.4}},
                               {},
                               {},
                               {{"S1", "J1", 0.4, 13.5, 13.4, kNet},
                                {"J1", "J2", 0.3, 13.4, 13.3, kNet},
                                {"J1", "J3", 0.2, 13.4, 13.3, kNet},
                                {"J2", "J4", 0.2, 13.3, 13.2, kNet},
                                {"J2", "J5", 0.3, 13.3, 13.2, kNet}}};

const NetworkRows kLoop = {{{"O", 0, 0, 12.0}},
                           {{"W1", 30, 0, 12.2}, {"W2", 60, 0, 12.4}, {"W3", 45, 30, 12.6}},
                           {},
                           {},
                           {{"W1", "O", 0.4, 10.15, 10.0, kNet},
                            {"W2", "W1", 0.3, 10.3, 10.15, kNet},
                            {"W3", "W2", 0.3, 10.45, 10.3, kNet},
                            {"W3", "W1", 0.3, 10.45, 10.15, kNet}}};

const NetworkRows kSupply = {{},
                             {{"S1", 0, 0, 15.0},
                              {"J1", 40, 0, 14.8},
                              {"J2", 80, 0, 14.6},
                              {"J3", 80, 40, 14.7},
                              {"J4", 40, 40, 14.9},
                              {"J5", 120, 40, 14.5},
                              {"J6", 160, 40, 14.4}},
                             {},
                             {},
                             {{"S1", "J1", 0.4, 13.5, 13.4, kNet},
                              {"S1", "J4", 0.4, 13.5, 13.4, kNet},
                              {"J1", "J2", 0.3, 13.4, 13.3, kNet},
                              {"J2", "J3", 0.3, 13.3, 13.3, kNet},
                              {"J3", "J4", 0.3, 13.3, 13.4, kNet},
                              {"J4", "J1", 0.3, 13.4, 13.4, kNet},
                              {"J3", "J5", 0.2, 13.3, 13.2, kNet},
                              {"J5", "J6", 0.2, 13.2, 13.1, kNet}}};

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
    auto rows = [](const NetworkRows& network) {
        return [&network](SampleDrawer& d) { drawRows(d, network); };
    };
    static const std::map<std::string, Sample> table = {{"gravity", {rows(kGravity), true}},
                                                        {"pressure", {rows(kPressure), true}},
                                                        {"loop", {rows(kLoop), true}},
                                                        {"supply", {rows(kSupply), true}},
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
