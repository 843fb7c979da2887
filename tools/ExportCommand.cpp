// hxwt export DRAWING.dxf --pick H [--at X,Y] [--pressure] -o NETWORK.inp:
// builds the pipe network graph as hxwt network does and writes it as the
// input file of a hydraulic model: EPANET for a pressure network, SWMM for a
// gravity one. The file is written under a temporary name and renamed, never
// over the drawing.
#include <iostream>
#include <memory>
#include <string>

#include "EpanetWriter.h"
#include "ExitCode.h"
#include "InpText.h"
#include "NetworkBuild.h"
#include "NetworkExport.h"
#include "NumberArgs.h"
#include "OutputGuard.h"
#include "SwmmWriter.h"
#include "ToolCommands.h"

namespace hxwt {
namespace {

struct ExportOptions {
    NetworkRequest request;
    std::string out;
    ExportSettings settings;
    std::string roughness, manning, demand, sourceHead; // as typed; empty: the default
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

int usage(const std::string& text) {
    std::cerr << "hxwt: " << text << "\n";
    return kExitUsage;
}

// The numbers of the options, strictly parsed over their defaults.
bool parseSettings(ExportOptions& o, std::string* error) {
    return parseOptionNumber("--roughness", o.roughness, o.settings.roughness, error) &&
           parseOptionNumber("--manning", o.manning, o.settings.manning, error) &&
           parseOptionNumber("--demand", o.demand, o.settings.demand, error) &&
           parseOptionNumber("--source-head", o.sourceHead, o.settings.sourceHead, error);
}

int runExport(ExportOptions o) {
    noteInput(o.request.file);
    std::string error = outputRefusal(o.out);
    if (!error.empty() || !parseSettings(o, &error))
        return usage(error);
    if (o.settings.flowUnits.empty())
        o.settings.flowUnits = "LPS";
    if (!checkUnits(o))
        return kExitUsage;
    HxDbWtPipeGraph graph;
    GraphView view;
    if (int code = buildNetwork(o.request, graph, view))
        return code;
    if (view.status != HxDbWtPipeGraph::kGraphOk) {
        printGraphFailure(view);
        std::cerr << "hxwt: " << o.request.file << ": the network is not written\n";
        return kExitNegative;
    }
    if (o.settings.title.empty())
        o.settings.title = "Network of " + o.request.file + " from pipe " + o.request.pick;
    InpModel model;
    std::vector<std::string> notes;
    if (!modelFromGraph(graph, view, o.settings, model, notes, &error)) {
        std::cerr << "hxwt: " << o.request.file << ": " << error << "\n";
        return kExitNegative;
    }
    for (const std::string& note : notes)
        std::cerr << "hxwt: " << o.request.file << ": " << note << "\n";
    const std::string text = o.request.pressure ? writeEpanet(model) : writeSwmm(model);
    if (!writeOutputFile(o.out, text, &error))
        return usage("cannot write " + error);
    printSummary(o, view, model);
    return kExitOk;
}

} // namespace

void addExportCommand(CLI::App& app) {
    auto o = std::make_shared<ExportOptions>();
    CLI::App* cmd = app.add_subcommand(
        "export", "Write the network of a picked pipe as an EPANET (pressure) or SWMM input file");
    cmd->add_option("file", o->request.file, "The DXF drawing")->required();
    cmd->add_option("--pick", o->request.pick, "Handle (hex) of the picked pipe or well")
        ->required();
    cmd->add_option("--at", o->request.at,
                    "The picked point X,Y (metres as drawn), needed when a pipe is picked");
    cmd->add_flag("--pressure", o->request.pressure,
                  "A pressure network, written for EPANET (default: gravity, for SWMM)");
    cmd->add_option("-o,--output", o->out, "The input file to write")->required();
    cmd->add_option(
        "--flow-units", o->settings.flowUnits,
        "Flow units (EPANET: LPS, LPM, MLD, CMH, CMD; SWMM: CMS, LPS, MLD; default LPS)");
    cmd->add_option("--headloss", o->settings.headloss, "EPANET head loss formula")
        ->check(CLI::IsMember({"H-W", "D-W", "C-M"}));
    cmd->add_option("--roughness", o->roughness,
                    "EPANET pipe roughness (H-W C factor; D-W mm; C-M n; default 130)");
    cmd->add_option("--manning", o->manning, "SWMM Manning roughness (default 0.013)");
    cmd->add_option("--demand", o->demand,
                    "EPANET base demand of every junction, flow units (default 0)");
    cmd->add_option("--source-head", o->sourceHead,
                    "EPANET head of the source above its ground level, m (default 0)");
    cmd->callback([o] { setExitCode(runExport(*o)); });
}

} // namespace hxwt
