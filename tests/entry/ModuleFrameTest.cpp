// The module frame, tested as the host uses it: the built module is loaded
// (DLL entry, load message), messaged, and unloaded again.
#include <algorithm>

#include "HostTest.h"
#include "accmd.h"
#include "adscodes.h"
#include "hxhost/Session.h"
#include "rxdefs.h"
#include "rxregsvc.h"

namespace {

AcEdCommand* findSample() {
    return acedRegCmds->lookupGlobalCmd(L"sample");
}

bool groupKnown(const wchar_t* group) {
    std::unique_ptr<AcEdCommandIterator> it(acedRegCmds->iterator());
    for (; !it->done(); it->next()) {
        if (std::wstring(it->commandGroup()) == group)
            return true;
    }
    return false;
}

bool inResourceChain(void* module) {
    auto chain = hxhost::resourceChain();
    return std::find(chain.begin(), chain.end(), static_cast<HMODULE>(module)) != chain.end();
}

class ModuleFrame : public HostTest {
protected:
    void* load() {
        std::string error;
        void* module = hxhost::loadModule(HXWT_MODULE_PATH, &error);
        EXPECT_NE(module, nullptr) << error;
        return module;
    }
};

TEST_F(ModuleFrame, LoadRegistersSampleAndUnloadRemovesIt) {
    void* module = load();
    ASSERT_NE(module, nullptr);
    AcEdCommand* sample = findSample();
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->commandFlags(), 2);
    EXPECT_TRUE(groupKnown(L"HxWtUtility"));
    EXPECT_TRUE(inResourceChain(module));
    EXPECT_TRUE(hxhost::applicationUnlocked(module));
    EXPECT_TRUE(hxhost::applicationMdiAware(module));

    EXPECT_TRUE(hxhost::unloadModule(module));
    EXPECT_EQ(findSample(), nullptr);
    EXPECT_FALSE(groupKnown(L"HxWtUtility"));
    EXPECT_FALSE(inResourceChain(module));
}

TEST_F(ModuleFrame, SampleRunsAndPrintsNothing) {
    void* module = load();
    ASSERT_NE(module, nullptr);
    hxhost::clearCommandLine();
    EXPECT_EQ(hxhost::runCommand(L"sample"), RTNORM);
    EXPECT_EQ(hxhost::commandLine(), L"");
    hxhost::unloadModule(module);
    EXPECT_EQ(hxhost::runCommand(L"sample"), RTERROR);
}

TEST_F(ModuleFrame, EveryOtherMessageAnswersOkAndChangesNothing) {
    void* module = load();
    ASSERT_NE(module, nullptr);
    for (int msg : {0, 3, 4, 5, 6, 7, 8, 9, 13, 16, 99, -1}) {
        EXPECT_EQ(hxhost::sendAppMessage(module, msg), AcRx::kRetOK) << "message " << msg;
        EXPECT_NE(findSample(), nullptr) << "message " << msg;
        EXPECT_TRUE(inResourceChain(module)) << "message " << msg;
    }
    hxhost::unloadModule(module);
}

TEST_F(ModuleFrame, FailedExtensionStartStillRegistersTheGroup) {
    struct Case {
        const char* fault;
    };
    for (Case c : {Case{hxhost::kFaultExtInit}, Case{hxhost::kFaultDynLinkAlloc}}) {
        hxhost::failNext(c.fault);
        void* module = load();
        ASSERT_NE(module, nullptr) << c.fault;
        EXPECT_EQ(hxhost::pendingFaults(c.fault), 0) << c.fault;
        EXPECT_NE(findSample(), nullptr) << c.fault;
        EXPECT_FALSE(inResourceChain(module)) << c.fault;
        EXPECT_TRUE(hxhost::unloadModule(module)) << c.fault;
        EXPECT_EQ(findSample(), nullptr) << c.fault;
    }
}

TEST_F(ModuleFrame, ReloadAfterUnloadRegistersAgain) {
    for (int round = 0; round < 2; ++round) {
        void* module = load();
        ASSERT_NE(module, nullptr);
        EXPECT_NE(findSample(), nullptr);
        hxhost::unloadModule(module);
        EXPECT_EQ(findSample(), nullptr);
    }
}

} // namespace
