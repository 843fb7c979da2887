// hxwt export DRAWING.dxf --pick H --at X,Y [--pressure] -o NETWORK.inp:
// builds the pipe network graph as hxwt network does and writes it as the
// input file of a hydraulic model: EPANET for a pressure network, SWMM for a
// gravity one. The file is written under a temporary name and renamed, never
// over the drawing.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>

#include "EpanetWriter.h"
#include "InpText.h"
#include "NetworkBuild.h"
#include "NetworkExport.h"
#include "OutputPath.h"
#include "SwmmWriter.h"
#include "ToolCommands.h"

namespace hxwt {
namespace {

struct ExportOptions {
    NetworkRequest request;
    std::string out;
    ExportSettings settings;
};

bool checkUnits(const ExportOptions& o) {
    const bool pressure = o.request.pressure;
    const std::string& units = o.settings.flowUnits;
    if (pressure ? isEpanetMetricUnits(units) : isSwmmMetricUnits(units))
        return true;
    std::cerr << "hxwt: --flow-units " << units << " is not written: the file holds metres, so "
              << (pressure ? "use LPS, LPM, MLD, CMH or CMD" : "use CMS, LPS or MLD") << "\n";
    return false;
}

void printSummary(const ExportOptions& o, const GraphView& view, const InpModel& model) {
    int counts[6] = {};
    for (const InpNode& n : model.nodes)
        ++counts[static_cast<int>(n.kind)];
    const bool pressure = model.format == InpFormat::Epanet;
    std::cout << view.type << " network of " << o.request.file << ", root " << view.root << ": ";
    if (pressure)
        std::cout << counts[static_cast<int>(NodeKind::Junction)] << " junctions, "
                  << counts[static_cast<int>(NodeKind::Reservoir)] << " reservoirs, "
                  << counts[static_cast<int>(NodeKind::Tank)] << " tanks, " << model.links.size()
                  << " pipes\n";
    else
        std::cout << counts[static_cast<int>(NodeKind::Junction)] << " junctions, "
                  << counts[static_cast<int>(NodeKind::Outfall)] << " outfalls, "
                  << counts[static_cast<int>(NodeKind::Storage)] << " storage units, "
                  << model.links.size() << " conduits\n";
    std::cout << "-> " << o.out << " (" << (pressure ? "EPANET" : "SWMM") << " input; flow units "
              << model.flowUnits << ", lengths m, diameters "
              << (pressure
                      ? "mm, " + model.headloss + " roughness " + inpNumber(o.settings.roughness, 4)
                      : "m, Manning n " + inpNumber(o.settings.manning, 4))
              << ")\n";
}

int runExport(ExportOptions o) {
    if (isSameFile(o.request.file, o.out)) {
        std::cerr << "hxwt: " << o.out << " is the input drawing: not written\n";
        return 2;
    }
    if (o.settings.flowUnits.empty())
        o.settings.flowUnits = "LPS";
    if (!checkUnits(o))
        return 2;
    HxDbWtPipeGraph graph;
    int status = 0;
    if (int code = buildNetwork(o.request, graph, &status))
        return code;
    const GraphView view = makeGraphView(graph, status);
    if (status != HxDbWtPipeGraph::kGraphOk) {
        std::cerr << "hxwt: " << o.request.file << ": the network is not written: " << view.message
                  << "\n";
        return 1;
    }
    if (o.settings.title.empty())
        o.settings.title = "Network of " + o.request.file + " from pipe " + o.request.pick;
    InpModel model;
    std::vector<std::string> notes;
    std::string error;
    if (!modelFromGraph(graph, view, o.settings, model, notes, &error)) {
        std::cerr << "hxwt: " << o.request.file << ": " << error << "\n";
        return 1;
    }
    for (const std::string& note : notes)
        std::cerr << "hxwt: " << o.request.file << ": " << note << "\n";
    const std::string text = o.request.pressure ? writeEpanet(model) : writeSwmm(model);
    if (!writeFileAtomically(o.out, text, &error)) {
        std::cerr << "hxwt: " << error << "\n";
        return 2;
    }
    printSummary(o, view, model);
    return 0;
}

} // namespace

void addExportCommand(CLI::App& app) {
    auto o = std::make_shared<ExportOptions>();
    CLI::App* cmd = app.add_subcommand(
        "export", "Write the network of a picked pipe as an EPANET (pressure) or SWMM input file");
    cmd->add_option("file", o->request.file, "The DXF drawing")->required();
    cmd->add_option("--pick", o->request.pick, "Handle (hex) of the picked pipe or well")
        ->required();
    cmd->add_option("--at", o->request.at, "The picked point X,Y")->required();
    cmd->add_flag("--pressure", o->request.pressure,
                  "A pressure network, written for EPANET (default: gravity, for SWMM)");
    cmd->add_option("-o,--output", o->out, "The input file to write")->required();
    cmd->add_option(
        "--flow-units", o->settings.flowUnits,
        "Flow units (EPANET: LPS, LPM, MLD, CMH, CMD; SWMM: CMS, LPS, MLD; default LPS)");
    cmd->add_option("--headloss", o->settings.headloss, "EPANET head loss formula")
        ->check(CLI::IsMember({"H-W", "D-W", "C-M"}));
    cmd->add_option("--roughness", o->settings.roughness,
                    "EPANET pipe roughness (H-W C factor; D-W mm; C-M n; default 130)");
    cmd->add_option("--manning", o->settings.manning, "SWMM Manning roughness (default 0.013)");
    cmd->add_option("--demand", o->settings.demand,
                    "EPANET base demand of every junction, flow units (default 0)");
    cmd->add_option("--source-head", o->settings.sourceHead,
                    "EPANET head of the source above its ground level, m (default 0)");
    cmd->callback([o] { setExitCode(runExport(*o)); });
}

} // namespace hxwt
