// hxwt run: loads the module the way the host does and runs one command of
// the host's command stack, printing what the command line received; without
// a command it lists the commands that the module registered.
#include <iostream>
#include <memory>
#include <string>

#include "ExitCode.h"
#include "TextTable.h"
#include "ToolCommands.h"
#include "ToolText.h"
#include "accmd.h"
#include "adscodes.h"
#include "hxhost/Session.h"

namespace hxwt {
namespace {

struct RunOptions {
    std::string command;
    std::string module;
};

// The registered commands, "GROUP COMMAND" one a line, as a table.
void listCommands() {
    AcEdCommandIterator* it = acedRegCmds->iterator();
    TextTable table;
    table.addColumn("group");
    table.addColumn("command");
    for (; it != nullptr && !it->done(); it->next())
        table.addRow({toUtf8(it->commandGroup()), toUtf8(it->command()->globalName())});
    delete it;
    std::cout << "registered commands: " << table.rowCount() << "\n";
    table.print(std::cout, "  ");
}

int runCommand(const RunOptions& options) {
    std::string path = options.module.empty() ? defaultModulePath() : options.module;
    std::string error;
    void* module = hxhost::loadModule(path, &error);
    if (module == nullptr) {
        std::cerr << "hxwt: cannot load the module " << path << ": " << error << "\n";
        return kExitUsage;
    }
    if (options.command.empty()) {
        listCommands();
        hxhost::unloadModule(module);
        return kExitOk;
    }
    hxhost::clearCommandLine();
    std::wstring name = fromUtf8(options.command);
    int rc = hxhost::runCommand(name.c_str());
    std::cout << toUtf8(hxhost::commandLine());
    hxhost::unloadModule(module);
    if (rc != RTNORM) {
        std::cerr << "hxwt: unknown command: " << options.command
                  << " (hxwt run without a command lists them)\n";
        return kExitUsage;
    }
    std::cout << "command " << options.command << " ran\n";
    return kExitOk;
}

} // namespace

void addRunCommand(CLI::App& app) {
    auto options = std::make_shared<RunOptions>();
    CLI::App* cmd = app.add_subcommand("run", "Load the module as the host does and run a command");
    cmd->add_option("command", options->command,
                    "Global name of the command (none: list the registered commands)");
    cmd->add_option("--module", options->module, "Path of the module (default: next to hxwt)");
    cmd->callback([options] { setExitCode(runCommand(*options)); });
}

} // namespace hxwt
