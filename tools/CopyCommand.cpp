// hxwt copy IN.dxf OUT.dxf: reads a drawing into the stand-in database and
// writes it out again. What the reader or writer did not carry over one to one
// is printed on stderr (the findings); nothing is dropped silently. OUT may
// not be IN (compared after normalising both paths), so that a failed write
// can never lose the original.
#include "DrawingFile.h"
#include "ToolCommands.h"
#include "ToolText.h"
#include "dbmain.h"
#include "hxhost/DxfFile.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace hxwt {
namespace {

struct CopyOptions {
    std::string in;
    std::string out;
};

bool samePath(const std::string& a, const std::string& b) {
    std::error_code ec;
    const auto left = std::filesystem::weakly_canonical(a, ec);
    if (ec)
        return a == b;
    const auto right = std::filesystem::weakly_canonical(b, ec);
    return ec ? a == b : left == right;
}

int copy(const CopyOptions& options) {
    if (samePath(options.in, options.out)) {
        std::cerr << "hxwt: " << options.out << " is the input file: not written\n";
        return 2;
    }
    std::unique_ptr<AcDbDatabase> db = readDrawing(options.in);
    if (db == nullptr)
        return 1;
    const int readFindings = static_cast<int>(hxhost::lastFileFindings().size());
    if (!saveDrawing(*db, options.out))
        return 1;
    const auto writeFindings = hxhost::lastFileFindings().size();
    std::cout << options.in << " -> " << options.out << ": " << readFindings
              << " findings reading, " << writeFindings << " writing\n";
    return 0;
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
