// hxwt: plays the product's command modules against the stand-in host.
#include <CLI/CLI.hpp>

#include <iostream>

#include "ExitCode.h"
#include "OutputGuard.h"
#include "ProcessEnd.h"
#include "ToolCommands.h"

namespace {

const char* const kExitCodes = "Exit codes: 0 success; 1 the job ran and the answer is negative "
                               "(graph not built, faults found, no samples) or the host refused a "
                               "call; 2 bad usage, an "
                               "input that does not read or an output that cannot be written.";

// Parses and runs; CLI11's own codes (106, 109, ...) become the tool's usage
// code, help stays a success.
int parseAndRun(CLI::App& app, int argc, char** argv) {
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? hxwt::kExitOk : hxwt::kExitUsage;
    }
    return hxwt::exitCode();
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"hxwt - drive the HxWtUtility module on drawings"};
    app.require_subcommand(1);
    hxwt::addRunCommand(app);
    hxwt::addCheckCommand(app);
    hxwt::addElevationCommand(app);
    hxwt::addInfoCommand(app);
    hxwt::addCopyCommand(app);
    hxwt::addSampleCommand(app);
    hxwt::addNetworkCommand(app);
    hxwt::addPathCommand(app);
    hxwt::addExportCommand(app);
    hxwt::addImportCommand(app);
    hxwt::addLibCommand(app);
    hxwt::addValveCommand(app);
    hxwt::addReportCommand(app);
    app.footer(kExitCodes);
    for (CLI::App* sub : app.get_subcommands({}))
        sub->footer(kExitCodes);
    int code = parseAndRun(app, argc, argv);
    std::string error;
    if (!hxwt::finishStandardOutput(&error)) {
        std::cerr << "hxwt: cannot write " << error << "\n";
        code = hxwt::kExitUsage;
    }
    hxwt::endProcess(code);
}
