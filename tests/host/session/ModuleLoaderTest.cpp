// The module loader, end to end with the test fixture module
// (fixtures/FakeApplication.cpp): the order of the host's calls at load and
// unload, what the module registers and the loader's refusals. The
// extension-library start faults as a module meets them, and the answers to
// the other messages, are pinned with the real module by tests/entry.
#include "HostTest.h"
#include "accmd.h"
#include "acedads.h"
#include "hxhost/Session.h"
#include "rxdefs.h"

#include <dlfcn.h>
#include <string>

namespace {

const std::string kModulePath = HXHOST_FAKE_MODULE;

std::wstring moduleFileName() {
    std::string name = kModulePath.substr(kModulePath.find_last_of('/') + 1);
    return std::wstring(name.begin(), name.end());
}

// The fixture's misbehaviour of the moment (see the fixture's Behaviour).
void setBehaviour(int code) {
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = static_cast<short>(code);
    ASSERT_EQ(acedSetVar(L"USERI1", &rb), RTNORM);
}

// Unloads whatever a test left loaded and drops the fixture's group.
class ModuleLoaderTest : public HostTest {
protected:
    void TearDown() override {
        setBehaviour(0);
        for (void* module : hxhost::loadedModules()) {
            acrxUnlockApplication(module);
            EXPECT_TRUE(hxhost::unloadModule(module));
        }
        acedRegCmds->removeGroup(L"TESTGRP");
        HostTest::TearDown();
    }

    void* load() {
        std::string error;
        void* module = hxhost::loadModule(kModulePath, &error);
        EXPECT_NE(module, nullptr) << error;
        return module;
    }
};

} // namespace

TEST_F(ModuleLoaderTest, LoadRunsTheEntriesInOrderAndUnloadUndoesThem) {
    void* module = load();
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(hxhost::commandLine(), L"[dll 1 raw=1][msg 1][chain 1]");
    EXPECT_EQ(hxhost::loadedModules(), std::vector<void*>{module});
    EXPECT_TRUE(hxhost::rawDllEntrySeen(static_cast<HMODULE>(module)));
    EXPECT_TRUE(hxhost::applicationMdiAware(module));
    EXPECT_FALSE(acrxApplicationIsLocked(moduleFileName().c_str()));
    AcEdCommand* hello = acedRegCmds->lookupGlobalCmd(L"HELLO");
    ASSERT_NE(hello, nullptr);
    EXPECT_EQ(hello->commandApp(), module);
    hxhost::clearCommandLine();
    EXPECT_EQ(hxhost::runCommand(L"hello"), RTNORM);
    EXPECT_EQ(hxhost::sendAppMessage(module, AcRx::kSaveMsg), AcRx::kRetOK);
    int notAModule = 0;
    EXPECT_EQ(hxhost::sendAppMessage(&notAModule, AcRx::kLoadDwgMsg), -1);
    EXPECT_EQ(hxhost::commandLine(), L"\nhello from the fixture[msg 9]");

    hxhost::clearCommandLine();
    std::string error;
    ASSERT_TRUE(hxhost::unloadModule(module, &error)) << error;
    EXPECT_EQ(hxhost::commandLine(), L"[msg 2][dll 0 raw=1]");
    EXPECT_TRUE(hxhost::loadedModules().empty());
    EXPECT_FALSE(hxhost::rawDllEntrySeen(static_cast<HMODULE>(module)));
    EXPECT_FALSE(hxhost::applicationUnlocked(module));
    EXPECT_FALSE(hxhost::unloadModule(module, &error));
    EXPECT_EQ(error, "the module is not loaded");
}

TEST_F(ModuleLoaderTest, RefusedLoadsAreUndoneCompletely) {
    struct Case {
        int behaviour;
        const char* error;
        const wchar_t* calls;
    };
    const Case cases[] = {
        {1, "the DLL entry refused process attach", L"[dll 1 raw=1][dll 0 raw=1]"},
        {2, "the module refused kInitAppMsg", L"[dll 1 raw=1][msg 1][dll 0 raw=1]"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        setBehaviour(c.behaviour);
        hxhost::clearCommandLine();
        std::string error;
        EXPECT_EQ(hxhost::loadModule(kModulePath, &error), nullptr);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(hxhost::commandLine(), c.calls);
        EXPECT_TRUE(hxhost::loadedModules().empty());
        EXPECT_TRUE(hxhost::resourceChain().empty());
        EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"HELLO"), nullptr);
    }
}

TEST_F(ModuleLoaderTest, LoadRefusesMissingDuplicateAndEntrylessModules) {
    std::string error;
    EXPECT_EQ(hxhost::loadModule("", &error), nullptr);
    EXPECT_EQ(error, "no module path");
    EXPECT_EQ(hxhost::loadModule("/nonexistent/HxNothing.arx", &error), nullptr);
    EXPECT_NE(error.find("HxNothing.arx"), std::string::npos) << error;

    // The host library maps but exports no acrxEntryPoint of its own.
    Dl_info host{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&hxhost::loadModule), &host), 0);
    EXPECT_EQ(hxhost::loadModule(host.dli_fname, &error), nullptr);
    EXPECT_EQ(error, "the module has no acrxEntryPoint");

    void* module = load();
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(hxhost::loadModule(kModulePath, &error), nullptr);
    EXPECT_EQ(error, "the module is loaded already");
    EXPECT_EQ(hxhost::loadedModules().size(), 1u);
}

TEST_F(ModuleLoaderTest, LockedOrUnwillingModulesStayLoaded) {
    setBehaviour(4); // never unlocks
    void* module = load();
    ASSERT_NE(module, nullptr);
    EXPECT_TRUE(acrxApplicationIsLocked(moduleFileName().c_str()));
    std::string error;
    EXPECT_FALSE(hxhost::unloadModule(module, &error));
    EXPECT_EQ(error, "the application is locked");
    acrxUnlockApplication(module);
    setBehaviour(3); // answers kUnloadAppMsg with kRetError
    EXPECT_FALSE(hxhost::unloadModule(module, &error));
    EXPECT_EQ(error, "the module refused kUnloadAppMsg");
    EXPECT_EQ(hxhost::loadedModules(), std::vector<void*>{module});
    EXPECT_NE(acedRegCmds->lookupGlobalCmd(L"HELLO"), nullptr);
    // Commands left behind by an unloaded module no longer run.
    setBehaviour(5); // keeps its commands at unload
    ASSERT_TRUE(hxhost::unloadModule(module));
    EXPECT_NE(acedRegCmds->lookupGlobalCmd(L"HELLO"), nullptr);
    EXPECT_EQ(hxhost::runCommand(L"HELLO"), RTERROR);
}
