// The host's command stack: named groups of commands that applications
// register and the command line runs. The host owns the stack, the commands
// and the groups; an application reaches the stack through acedRegCmds.
//
// Command and group names are matched without regard to case. Groups are
// searched most recently created first, commands in their order of addition.
#pragma once

#include "acadstrc.h"
#include "rxdefs.h"
#include "rxregsvc.h"
#include "windows.h"

#define ACRX_COMMAND_DOCK ACRX_T("ACAD_REGISTERED_COMMANDS")

#define ACRX_CMD_MODAL 0x00000000
#define ACRX_CMD_TRANSPARENT 0x00000001
#define ACRX_CMD_USEPICKSET 0x00000002
#define ACRX_CMD_REDRAW 0x00000004
#define ACRX_CMD_NOPERSPECTIVE 0x00000008
#define ACRX_CMD_NOMULTIPLE 0x00000010
#define ACRX_CMD_NOTILEMODE 0x00000020
#define ACRX_CMD_NOPAPERSPACE 0x00000040
#define ACRX_CMD_NOOEM 0x00000100
#define ACRX_CMD_UNDEFINED 0x00000200
#define ACRX_CMD_INPROGRESS 0x00000400
#define ACRX_CMD_DEFUN 0x00000800
#define ACRX_CMD_NONEWSTACK 0x00010000
#define ACRX_CMD_NOINTERNALLOCK 0x00020000
#define ACRX_CMD_DOCREADLOCK 0x00080000
#define ACRX_CMD_DOCEXCLUSIVELOCK 0x00100000
#define ACRX_CMD_SESSION 0x00200000
#define ACRX_CMD_INTERRUPTIBLE 0x00400000
#define ACRX_CMD_NOHISTORY 0x00800000

// One registered command. Owned by the command stack; valid until its group
// or the command is removed.
class HX_RX_API AcEdCommand : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcEdCommand);

    virtual const ACHAR* globalName() const = 0;
    virtual const ACHAR* localName() const = 0;
    virtual const ACHAR* groupName() const = 0;
    virtual Adesk::Int32 commandFlags() const = 0;
    virtual AcRxFunctionPtr functionAddr() const = 0;
    virtual void functionAddr(AcRxFunctionPtr function) = 0;
    // The application that was being loaded or messaged when the command was
    // added; null for commands added outside an application message.
    virtual void* commandApp() const = 0;
    virtual void* UIContext() const = 0;
    virtual int functionCode() const = 0;
    virtual HINSTANCE resourceHandle() const = 0;

protected:
    AcEdCommand() = default;
};

// Walks the commands of the stack as they were when the iterator was made;
// the stack must not change while it is in use. The caller deletes it.
class HX_RX_API AcEdCommandIterator : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcEdCommandIterator);

    virtual bool done() const = 0;
    // Moves on; false when the walk has ended.
    virtual bool next() = 0;
    // The current command and its group; null when done.
    virtual const AcEdCommand* command() const = 0;
    virtual const ACHAR* commandGroup() const = 0;

protected:
    AcEdCommandIterator() = default;
};

class HX_RX_API AcEdCommandStack : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcEdCommandStack);

    // Adds a command to a group, creating the group (on top of the stack) when
    // it is new. cmdLocalName null means the global name. eInvalidInput for a
    // null or empty group or global name, a name holding white space, or a
    // null function; eDuplicateKey when the group holds the global name
    // already. On eOk, *cmdPtrRet (when given) is the new command.
    virtual Acad::ErrorStatus addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName,
                                         const ACHAR* cmdLocalName, Adesk::Int32 commandFlags,
                                         AcRxFunctionPtr FunctionAddr, void* UIContext = nullptr,
                                         int fcode = -1, HINSTANCE hResourceHandle = nullptr,
                                         AcEdCommand** cmdPtrRet = nullptr) = 0;
    // A new iterator over every command; the caller deletes it.
    virtual AcEdCommandIterator* iterator() = 0;
    // The first command with that global (local) name; null when none or name
    // is null.
    virtual AcEdCommand* lookupGlobalCmd(const ACHAR* cmdName) = 0;
    virtual AcEdCommand* lookupLocalCmd(const ACHAR* cmdName) = 0;
    // Looks up by global or local name. allGroups: the stand-in has no
    // inactive groups, so every group is searched either way. skipUndefed
    // passes over commands flagged ACRX_CMD_UNDEFINED.
    virtual AcEdCommand* lookupCmd(const ACHAR* cmdName, bool globalFlag, bool allGroups = false,
                                   bool skipUndefed = false) = 0;
    // Moves a group to the top of the stack; eKeyNotFound when absent.
    virtual Acad::ErrorStatus popGroupToTop(const ACHAR* cmdGroupName) = 0;
    // Removes one command (the group stays, even when empty), or a whole
    // group with its commands. eKeyNotFound when absent or a name is null.
    virtual Acad::ErrorStatus removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName) = 0;
    virtual Acad::ErrorStatus removeGroup(const ACHAR* groupName) = 0;

protected:
    AcEdCommandStack() = default;
};

#define acedRegCmds AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK))
