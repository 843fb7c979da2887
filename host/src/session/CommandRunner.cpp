// Running a command the way the command line does. Only transparent commands
// may start while another command runs.
#include "session/Applications.h"
#include "accmd.h"
#include "adscodes.h"
#include "hxhost/Session.h"

namespace {

int& activeCommands() {
    static int s_active = 0;
    return s_active;
}

class ActiveCommand {
public:
    ActiveCommand() { ++activeCommands(); }
    ~ActiveCommand() { --activeCommands(); }
    ActiveCommand(const ActiveCommand&) = delete;
    ActiveCommand& operator=(const ActiveCommand&) = delete;
};

} // namespace

namespace hxhost {

int runCommand(const wchar_t* globalName) {
    AcEdCommandStack* stack = acedRegCmds;
    AcEdCommand* command = stack != nullptr ? stack->lookupGlobalCmd(globalName) : nullptr;
    if (command == nullptr || command->functionAddr() == nullptr)
        return RTERROR;
    void* app = command->commandApp();
    if (app != nullptr && !detail::moduleLoaded(app))
        return RTERROR; // its code is gone with its module
    if (activeCommands() > 0 && (command->commandFlags() & ACRX_CMD_TRANSPARENT) == 0)
        return RTERROR;
    ActiveCommand active;
    command->functionAddr()();
    return RTNORM;
}

} // namespace hxhost
