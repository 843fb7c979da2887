// The module's command group "HxWtUtility" and its one command, "sample".
#include "ModuleFrame.h"

#include "HxAecDbObject.h"

namespace {

// The handler of "sample": the module has no working command of its own.
void SampleCommand() {}

// One row: global name, handler, flags 2, command id 39029, last field 0.
HxCmdTable s_commandTable[] = {
    {L"sample", SampleCommand, 2, 39029, 0},
};

} // namespace

namespace HxWtModuleFrame {

const wchar_t* const kCommandGroup = L"HxWtUtility";

void RegisterCommands() {
    HxDefineCommand(kCommandGroup, s_commandTable, 1, 0);
}

void UnregisterCommands() {
    AcRxObject* object = acrxSysRegistry()->at(ACRX_COMMAND_DOCK);
    if (object == nullptr || !object->isA()->isDerivedFrom(AcEdCommandStack::desc()))
        return;
    static_cast<AcEdCommandStack*>(object)->removeGroup(kCommandGroup);
}

} // namespace HxWtModuleFrame
