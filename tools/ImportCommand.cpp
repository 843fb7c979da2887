// hxwt import NETWORK.inp -o DRAWING.dxf: reads an EPANET or SWMM input file
// and draws its network with the product's entities (see NetworkDrawing.h).
// Every finding is printed with the file and line; an input file with errors
// writes nothing and exits 2.
#include <iostream>
#include <memory>
#include <string>

#include "DrawingFile.h"
#include "DrawingLoad.h"
#include "ExitCode.h"
#include "InpReader.h"
#include "InpText.h"
#include "NetworkDrawing.h"
#include "OutputGuard.h"
#include "ToolCommands.h"

namespace hxwt {
namespace {

struct ImportOptions {
    std::string in;
    std::string out;
};

void printSummary(const ImportOptions& o, const InpModel& model, const DrawnModel& drawn) {
    const bool epanet = model.format == InpFormat::Epanet;
    std::cout << o.in << ": " << (epanet ? "EPANET" : "SWMM") << " network, flow units "
              << model.flowUnits << " -> " << o.out << ": " << drawn.wells << " wells, "
              << drawn.pools << " pools, " << drawn.pipes << " pipes, " << drawn.symbols
              << " elevation symbols (drawing unit m)\n";
    if (drawn.pickHandle.empty())
        return;
    std::cout << "root " << drawn.rootId << "; export it with: hxwt export " << o.out << " --pick "
              << drawn.pickHandle << " --at " << inpNumber(drawn.pickX, 6) << ","
              << inpNumber(drawn.pickY, 6) << (epanet ? " --pressure" : "") << " -o NETWORK.inp\n";
}

int runImport(const ImportOptions& o) {
    noteInput(o.in);
    std::string error = outputRefusal(o.out);
    InpRead read;
    if (!error.empty() || !readInpFile(o.in, read, &error)) {
        std::cerr << "hxwt: " << error << "\n";
        return kExitUsage;
    }
    for (const InpMessage& m : read.messages)
        std::cerr << "hxwt: " << messageText(o.in, m) << (m.error ? "" : " (note)") << "\n";
    if (read.failed()) {
        std::cerr << "hxwt: " << o.in << ": not imported\n";
        return kExitUsage;
    }
    AcDbDatabase* db = currentDatabase();
    DrawnModel drawn;
    if (!drawModel(read.model, db, drawn, &error)) {
        std::cerr << "hxwt: " << o.in << ": " << error << "\n";
        return kExitNegative;
    }
    for (const InpMessage& m : drawn.moves)
        std::cerr << "hxwt: " << messageText(o.in, m) << "\n";
    if (const ExitCode written = writeDrawing(db, o.out, &error); written != kExitOk) {
        std::cerr << "hxwt: cannot write " << error << "\n";
        return written;
    }
    printSummary(o, read.model, drawn);
    return kExitOk;
}

} // namespace

void addImportCommand(CLI::App& app) {
    auto o = std::make_shared<ImportOptions>();
    CLI::App* cmd = app.add_subcommand(
        "import", "Draw the network of an EPANET or SWMM input file with the product's entities");
    cmd->add_option("file", o->in, "The EPANET or SWMM input file (.inp)")->required();
    cmd->add_option("-o,--output", o->out, "The DXF drawing to write")->required();
    cmd->callback([o] { setExitCode(runImport(*o)); });
}

} // namespace hxwt
