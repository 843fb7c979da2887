// The system registry, runtime dictionaries, application locks and the
// dynamic linker's MDI registration.
#include "HostTest.h"
#include "accmd.h"
#include "hxhost/Session.h"
#include "rxdlinkr.h"

namespace {

class RxRegistryTest : public HostTest {};

// An object to put into dictionaries; owned by the test.
class Probe : public AcRxObject {};

int g_lockToken = 0;

} // namespace

TEST_F(RxRegistryTest, RegistryHoldsTheLinkerAndTheCommandStack) {
    AcRxDictionary* registry = acrxSysRegistry();
    ASSERT_NE(registry, nullptr);
    EXPECT_GE(registry->numEntries(), 2u);
    AcRxObject* linker = registry->at(L"DynamicLinker");
    ASSERT_NE(linker, nullptr);
    EXPECT_TRUE(linker->isA()->isDerivedFrom(AcRxDynamicLinker::desc()));
    EXPECT_EQ(acrxDynamicLinker, linker);
    AcRxObject* stack = registry->at(L"ACAD_REGISTERED_COMMANDS");
    ASSERT_NE(stack, nullptr);
    EXPECT_TRUE(stack->isA()->isDerivedFrom(AcEdCommandStack::desc()));
    EXPECT_FALSE(stack->isKindOf(AcRxDynamicLinker::desc()));
    EXPECT_EQ(acedRegCmds, stack);
    EXPECT_EQ(AcEdCommandStack::cast(linker), nullptr);
}

TEST_F(RxRegistryTest, DictionaryHandsBackWhatItDisplaces) {
    AcRxDictionary dict;
    Probe a;
    Probe b;
    EXPECT_EQ(dict.atPut(L"k", &a), nullptr);
    EXPECT_EQ(dict.atPut(L"k", &b), &a);
    EXPECT_EQ(dict.at(L"k"), &b);
    EXPECT_EQ(dict.at(L"K"), nullptr); // keys are exact
    EXPECT_EQ(dict.numEntries(), 1u);
    EXPECT_EQ(dict.atPut(nullptr, &a), nullptr);
    EXPECT_EQ(dict.atPut(L"n", nullptr), nullptr);
    EXPECT_FALSE(dict.has(L"n"));
    EXPECT_EQ(dict.remove(L"k"), &b);
    EXPECT_EQ(dict.remove(L"k"), nullptr);
    EXPECT_EQ(dict.at(nullptr), nullptr);
    EXPECT_EQ(dict.numEntries(), 0u);
}

TEST_F(RxRegistryTest, ApplicationLocksAndMdiAwarenessAreRecordedPerHandle) {
    void* const kApp = &g_lockToken;
    EXPECT_FALSE(hxhost::applicationUnlocked(kApp));
    EXPECT_TRUE(acrxUnlockApplication(kApp));
    EXPECT_TRUE(hxhost::applicationUnlocked(kApp));
    EXPECT_TRUE(acrxLockApplication(kApp));
    EXPECT_FALSE(hxhost::applicationUnlocked(kApp));
    EXPECT_FALSE(acrxUnlockApplication(nullptr) || acrxLockApplication(nullptr));
    EXPECT_FALSE(acrxApplicationIsLocked(L"nosuch.arx")); // not loaded
    EXPECT_FALSE(acrxApplicationIsLocked(nullptr));

    AcRxDynamicLinker* linker = acrxDynamicLinker;
    EXPECT_FALSE(hxhost::applicationMdiAware(kApp));
    EXPECT_TRUE(linker->registerAppMDIAware(kApp));
    EXPECT_TRUE(hxhost::applicationMdiAware(kApp));
    EXPECT_TRUE(linker->registerAppNotMDIAware(kApp));
    EXPECT_FALSE(hxhost::applicationMdiAware(kApp));
    EXPECT_FALSE(linker->registerAppMDIAware(nullptr));
}
