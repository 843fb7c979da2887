// hxwt run: loads the module the way the host does and runs one command of
// the host's command stack, printing what the command line received.
#include <iostream>
#include <memory>
#include <string>

#include "ToolCommands.h"
#include "ToolText.h"
#include "adscodes.h"
#include "hxhost/Session.h"

namespace hxwt {
namespace {

struct RunOptions {
    std::string command;
    std::string module;
};

int runCommand(const RunOptions& options) {
    std::string path = options.module.empty() ? defaultModulePath() : options.module;
    std::string error;
    void* module = hxhost::loadModule(path, &error);
    if (module == nullptr) {
        std::cerr << "hxwt: cannot load the module " << path << ": " << error << "\n";
        return 2;
    }
    hxhost::clearCommandLine();
    std::wstring name = fromUtf8(options.command);
    int rc = hxhost::runCommand(name.c_str());
    std::cout << toUtf8(hxhost::commandLine());
    hxhost::unloadModule(module);
    if (rc != RTNORM) {
        std::cerr << "hxwt: unknown command: " << options.command << "\n";
        return 1;
    }
    std::cout << "command " << options.command << " ran\n";
    return 0;
}

} // namespace

void addRunCommand(CLI::App& app) {
    auto options = std::make_shared<RunOptions>();
    CLI::App* cmd = app.add_subcommand("run", "Load the module as the host does and run a command");
    cmd->add_option("command", options->command, "Global name of the command")->required();
    cmd->add_option("--module", options->module, "Path of the module (default: next to hxwt)");
    cmd->callback([options] { setExitCode(runCommand(*options)); });
}

} // namespace hxwt
