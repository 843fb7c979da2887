// Extension libraries: module records, the resource chain and the fault
// operations of AfxInitExtensionModule and CDynLinkLibrary's allocation.
#include "HostTest.h"
#include "afxwin.h"
#include "hxhost/Session.h"

#include <vector>

namespace {

const HMODULE kModuleA = reinterpret_cast<HMODULE>(0xA000);
const HMODULE kModuleB = reinterpret_cast<HMODULE>(0xB000);

// Ends both test modules so that the chain is left as it was found.
class ExtensionModuleTest : public HostTest {
protected:
    AFX_EXTENSION_MODULE a = {};
    AFX_EXTENSION_MODULE b = {};

    void TearDown() override {
        AfxTermExtensionModule(a);
        AfxTermExtensionModule(b);
        EXPECT_TRUE(hxhost::resourceChain().empty());
        HostTest::TearDown();
    }
};

} // namespace

TEST_F(ExtensionModuleTest, InitRecordsTheModuleOnceUnlessRefused) {
    hxhost::failNext(hxhost::kFaultExtInit);
    EXPECT_FALSE(AfxInitExtensionModule(a, kModuleA));
    EXPECT_FALSE(a.bInitialized);
    EXPECT_EQ(a.hModule, nullptr);
    ASSERT_TRUE(AfxInitExtensionModule(a, kModuleA)); // the next start succeeds
    EXPECT_TRUE(a.bInitialized);
    EXPECT_TRUE(AfxInitExtensionModule(a, kModuleB)); // already started: unchanged
    EXPECT_EQ(a.hModule, kModuleA);
    EXPECT_FALSE(AfxInitExtensionModule(b, nullptr));
    EXPECT_FALSE(b.bInitialized);
}

TEST_F(ExtensionModuleTest, LibrariesJoinTheChainAtItsHeadAndLeaveOnDeleteOrTerm) {
    ASSERT_TRUE(AfxInitExtensionModule(a, kModuleA));
    ASSERT_TRUE(AfxInitExtensionModule(b, kModuleB));
    CDynLinkLibrary* first = new CDynLinkLibrary(a);
    new CDynLinkLibrary(b);
    new CDynLinkLibrary(a);
    EXPECT_EQ(hxhost::resourceChain(), (std::vector<HMODULE>{kModuleA, kModuleB, kModuleA}));
    delete first;
    EXPECT_EQ(hxhost::resourceChain(), (std::vector<HMODULE>{kModuleA, kModuleB}));
    // A refused allocation yields null without construction.
    hxhost::failNext(hxhost::kFaultDynLinkAlloc);
    EXPECT_EQ(new CDynLinkLibrary(b), nullptr);
    EXPECT_EQ(hxhost::pendingFaults(hxhost::kFaultDynLinkAlloc), 0);
    // Term deletes every library of its module only.
    AfxTermExtensionModule(a);
    EXPECT_FALSE(a.bInitialized);
    EXPECT_EQ(hxhost::resourceChain(), std::vector<HMODULE>{kModuleB});
    AfxTermExtensionModule(a); // ended already: nothing happens
    EXPECT_EQ(hxhost::resourceChain(), std::vector<HMODULE>{kModuleB});
}
