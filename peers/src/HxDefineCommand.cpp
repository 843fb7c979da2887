// HxDefineCommand: registers a command table with the host's command stack.
#include "HxAecDbObject.h"

void HxDefineCommand(const wchar_t* group, const HxCmdTable* rows, int count, int reserved) {
    AcEdCommandStack* stack = acedRegCmds;
    if (stack == nullptr || group == nullptr || rows == nullptr)
        return;
    for (int i = 0; i < count; ++i) {
        const HxCmdTable& row = rows[i];
        // The global name doubles as the local one; the command id is the
        // command's function code.
        stack->addCommand(group, row.globalName, row.globalName, row.flags, row.handler, nullptr,
                          row.commandId);
    }
}
