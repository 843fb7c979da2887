// hxwt copy IN.dxf OUT.dxf: reads a drawing into the stand-in database and
// writes it out again. What the reader or writer did not carry over one to one
// is printed on stderr (the findings); nothing is dropped silently. OUT may
// not be IN (the output guard), and it is written through a temporary file,
// so that a failed write can never lose the original.
#include "DrawingFile.h"
#include "ExitCode.h"
#include "OutputGuard.h"
#include "ToolCommands.h"
#include "ToolText.h"
#include "dbmain.h"
#include "hxhost/DxfFile.h"

#include <iostream>
#include <memory>
#include <string>

namespace hxwt {
namespace {

struct CopyOptions {
    std::string in;
    std::string out;
};

int copy(const CopyOptions& options) {
    noteInput(options.in);
    const std::string refusal = outputRefusal(options.out);
    if (!refusal.empty()) {
        std::cerr << "hxwt: " << refusal << "\n";
        return kExitUsage;
    }
    std::unique_ptr<AcDbDatabase> db = readDrawing(options.in);
    if (db == nullptr)
        return kExitUsage;
    const int readFindings = static_cast<int>(hxhost::lastFileFindings().size());
    std::string error;
    if (const ExitCode written = writeDrawing(db.get(), options.out, &error); written != kExitOk) {
        std::cerr << "hxwt: cannot write " << error << "\n";
        return written;
    }
    const int writeFindings = static_cast<int>(hxhost::lastFileFindings().size());
    std::cout << options.in << " -> " << options.out << ": " << readFindings
              << " findings reading, " << writeFindings << " writing\n";
    return kExitOk;
}

} // namespace

void addCopyCommand(CLI::App& app) {
    auto options = std::make_shared<CopyOptions>();
    CLI::App* cmd = app.add_subcommand("copy", "Read a DXF drawing and write it again");
    cmd->add_option("in", options->in, "The DXF file to read")->required();
    cmd->add_option("out", options->out, "The DXF file to write")->required();
    cmd->callback([options] { setExitCode(copy(*options)); });
}

} // namespace hxwt
