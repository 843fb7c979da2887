// hxwt: plays the product's command modules against the stand-in host.
#include <CLI/CLI.hpp>

#include "ToolCommands.h"

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
    CLI11_PARSE(app, argc, argv);
    return hxwt::exitCode();
}
