// The system registry, application locks and the dynamic linker's MDI
// registration; what a loaded module records is pinned by ModuleLoaderTest.
#include "HostTest.h"
#include "accmd.h"
#include "hxhost/Session.h"
#include "rxdlinkr.h"

namespace {

class RxRegistryTest : public HostTest {};

int g_lockToken = 0;

} // namespace

TEST_F(RxRegistryTest, RegistryHoldsTheLinkerAndTheCommandStack) {
    AcRxDictionary* registry = acrxSysRegistry();
    ASSERT_NE(registry, nullptr);
    AcRxObject* linker = registry->at(L"DynamicLinker");
    ASSERT_NE(linker, nullptr);
    EXPECT_TRUE(linker->isA()->isDerivedFrom(AcRxDynamicLinker::desc()));
    EXPECT_EQ(acrxDynamicLinker, linker);
    AcRxObject* stack = registry->at(L"ACAD_REGISTERED_COMMANDS");
    ASSERT_NE(stack, nullptr);
    EXPECT_TRUE(stack->isA()->isDerivedFrom(AcEdCommandStack::desc()));
    EXPECT_EQ(acedRegCmds, stack);
    EXPECT_EQ(AcEdCommandStack::cast(linker), nullptr);
    EXPECT_EQ(registry->at(nullptr), nullptr);
}

TEST_F(RxRegistryTest, ApplicationLocksAndMdiAwarenessAreRecordedPerHandle) {
    void* const kApp = &g_lockToken;
    EXPECT_TRUE(acrxUnlockApplication(kApp));
    EXPECT_TRUE(acrxLockApplication(kApp));
    EXPECT_FALSE(hxhost::applicationUnlocked(kApp));
    EXPECT_FALSE(acrxUnlockApplication(nullptr) || acrxLockApplication(nullptr));
    EXPECT_FALSE(acrxApplicationIsLocked(L"nosuch.arx")); // not loaded
    EXPECT_TRUE(acrxDynamicLinker->registerAppMDIAware(kApp));
    EXPECT_TRUE(acrxDynamicLinker->registerAppNotMDIAware(kApp));
    EXPECT_FALSE(hxhost::applicationMdiAware(kApp));
    EXPECT_FALSE(acrxDynamicLinker->registerAppMDIAware(nullptr));
}
