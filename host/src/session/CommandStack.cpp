// The host's command stack: groups of commands, most recently created group
// first, each holding its commands in order of addition. The stack owns its
// groups and commands.
#include "session/Applications.h"
#include "text/AsciiCase.h"
#include "session/RxServices.h"
#include "accmd.h"

#include <algorithm>
#include <cwctype>
#include <memory>
#include <string>
#include <utility>
#include <vector>

ACRX_NO_CONS_DEFINE_MEMBERS(AcEdCommand, AcRxObject)
ACRX_NO_CONS_DEFINE_MEMBERS(AcEdCommandIterator, AcRxObject)
ACRX_NO_CONS_DEFINE_MEMBERS(AcEdCommandStack, AcRxObject)

namespace {

using hxhost::detail::sameNameNoCase;

struct CommandData {
    std::wstring group;
    std::wstring globalName;
    std::wstring localName;
    Adesk::Int32 flags = 0;
    AcRxFunctionPtr function = nullptr;
    void* app = nullptr;
    void* uiContext = nullptr;
    int functionCode = -1;
    HINSTANCE resource = nullptr;
};

class HostCommand : public AcEdCommand {
public:
    explicit HostCommand(CommandData data) : m_data(std::move(data)) {}

    const ACHAR* globalName() const override { return m_data.globalName.c_str(); }
    const ACHAR* localName() const override { return m_data.localName.c_str(); }
    const ACHAR* groupName() const override { return m_data.group.c_str(); }
    Adesk::Int32 commandFlags() const override { return m_data.flags; }
    AcRxFunctionPtr functionAddr() const override { return m_data.function; }
    void functionAddr(AcRxFunctionPtr function) override { m_data.function = function; }
    void* commandApp() const override { return m_data.app; }
    void* UIContext() const override { return m_data.uiContext; }
    int functionCode() const override { return m_data.functionCode; }
    HINSTANCE resourceHandle() const override { return m_data.resource; }

private:
    CommandData m_data;
};

struct CommandGroup {
    std::wstring name;
    std::vector<std::unique_ptr<HostCommand>> commands;
};

class HostCommandIterator : public AcEdCommandIterator {
public:
    explicit HostCommandIterator(std::vector<const HostCommand*> commands)
        : m_commands(std::move(commands)) {}

    bool done() const override { return m_at >= m_commands.size(); }
    bool next() override {
        if (!done())
            ++m_at;
        return !done();
    }
    const AcEdCommand* command() const override { return done() ? nullptr : m_commands[m_at]; }
    const ACHAR* commandGroup() const override {
        return done() ? nullptr : m_commands[m_at]->groupName();
    }

private:
    std::vector<const HostCommand*> m_commands;
    std::size_t m_at = 0;
};

bool validName(const ACHAR* name) {
    if (name == nullptr || *name == L'\0')
        return false;
    for (const ACHAR* p = name; *p != L'\0'; ++p) {
        if (std::iswspace(static_cast<wint_t>(*p)))
            return false;
    }
    return true;
}

class HostCommandStack : public AcEdCommandStack {
public:
    Acad::ErrorStatus addCommand(const ACHAR* groupName, const ACHAR* globalName,
                                 const ACHAR* localName, Adesk::Int32 flags,
                                 AcRxFunctionPtr function, void* uiContext, int functionCode,
                                 HINSTANCE resource, AcEdCommand** commandOut) override {
        if (localName == nullptr)
            localName = globalName;
        if (!validName(groupName) || !validName(globalName) || !validName(localName) ||
            function == nullptr)
            return Acad::eInvalidInput;
        CommandGroup* group = findGroup(groupName);
        if (group != nullptr && findIn(*group, globalName, true) != nullptr)
            return Acad::eDuplicateKey;
        if (group == nullptr) {
            m_groups.insert(m_groups.begin(), std::make_unique<CommandGroup>());
            group = m_groups.front().get();
            group->name = groupName;
        }
        CommandData data{group->name, globalName,   localName,
                         flags,       function,     hxhost::detail::currentApplication(),
                         uiContext,   functionCode, resource};
        group->commands.push_back(std::make_unique<HostCommand>(std::move(data)));
        if (commandOut != nullptr)
            *commandOut = group->commands.back().get();
        return Acad::eOk;
    }

    AcEdCommandIterator* iterator() override {
        std::vector<const HostCommand*> all;
        for (const auto& group : m_groups) {
            for (const auto& command : group->commands)
                all.push_back(command.get());
        }
        return new HostCommandIterator(std::move(all));
    }

    AcEdCommand* lookupGlobalCmd(const ACHAR* name) override {
        return lookupCmd(name, true, false, false);
    }
    AcEdCommand* lookupLocalCmd(const ACHAR* name) override {
        return lookupCmd(name, false, false, false);
    }

    AcEdCommand* lookupCmd(const ACHAR* name, bool global, bool, bool skipUndefined) override {
        for (const auto& group : m_groups) {
            HostCommand* command = findIn(*group, name, global);
            if (command == nullptr)
                continue;
            if (skipUndefined && (command->commandFlags() & ACRX_CMD_UNDEFINED) != 0)
                continue;
            return command;
        }
        return nullptr;
    }

    Acad::ErrorStatus popGroupToTop(const ACHAR* groupName) override {
        auto it = groupPosition(groupName);
        if (it == m_groups.end())
            return Acad::eKeyNotFound;
        std::rotate(m_groups.begin(), it, it + 1);
        return Acad::eOk;
    }

    Acad::ErrorStatus removeCmd(const ACHAR* groupName, const ACHAR* globalName) override {
        CommandGroup* group = findGroup(groupName);
        if (group == nullptr || globalName == nullptr)
            return Acad::eKeyNotFound;
        auto& commands = group->commands;
        auto it = std::find_if(commands.begin(), commands.end(), [globalName](const auto& c) {
            return sameNameNoCase(c->globalName(), globalName);
        });
        if (it == commands.end())
            return Acad::eKeyNotFound;
        commands.erase(it);
        return Acad::eOk;
    }

    Acad::ErrorStatus removeGroup(const ACHAR* groupName) override {
        auto it = groupPosition(groupName);
        if (it == m_groups.end())
            return Acad::eKeyNotFound;
        m_groups.erase(it);
        return Acad::eOk;
    }

private:
    std::vector<std::unique_ptr<CommandGroup>>::iterator groupPosition(const ACHAR* name) {
        return std::find_if(m_groups.begin(), m_groups.end(), [name](const auto& g) {
            return sameNameNoCase(g->name.c_str(), name);
        });
    }

    CommandGroup* findGroup(const ACHAR* name) {
        auto it = groupPosition(name);
        return it == m_groups.end() ? nullptr : it->get();
    }

    static HostCommand* findIn(const CommandGroup& group, const ACHAR* name, bool global) {
        for (const auto& command : group.commands) {
            const ACHAR* own = global ? command->globalName() : command->localName();
            if (sameNameNoCase(own, name))
                return command.get();
        }
        return nullptr;
    }

    std::vector<std::unique_ptr<CommandGroup>> m_groups;
};

} // namespace

namespace hxhost::detail {

AcEdCommandStack* hostCommandStack() {
    // Never destroyed: modules still mapped at exit may reach it from their
    // own static destructors.
    static AcEdCommandStack* s_stack = new HostCommandStack;
    return s_stack;
}

} // namespace hxhost::detail
