// The command-table row the module fills, and the registration of a table.
#include <cstddef>

#include "HostTest.h"
#include "HxAecDbObject.h"
#include "HxWtDbObject.h"

namespace {

int g_calls = 0;
void CountCall() {
    ++g_calls;
}

TEST(CommandTable, RowTakesFiveEightByteSlots) {
    EXPECT_EQ(sizeof(HxCmdTable), 40u);
    EXPECT_EQ(offsetof(HxCmdTable, handler), 8u);
    EXPECT_EQ(offsetof(HxCmdTable, flags), 16u);
    EXPECT_EQ(offsetof(HxCmdTable, commandId), 24u);
    EXPECT_EQ(offsetof(HxCmdTable, last), 32u);
}

class DefineCommand : public HostTest {
protected:
    void TearDown() override {
        acedRegCmds->removeGroup(L"HXTESTGROUP");
        HostTest::TearDown();
    }
};

TEST_F(DefineCommand, RegistersTheGivenCountOfRowsUnderTheGroup) {
    static HxCmdTable rows[] = {
        {L"hxone", CountCall, 2, 100, 0},
        {L"hxtwo", CountCall, 0, 101, 0},
        {L"hxthree", CountCall, 0, 102, 0},
    };
    HxDefineCommand(L"HXTESTGROUP", rows, 2, 0);
    AcEdCommand* one = acedRegCmds->lookupGlobalCmd(L"hxone");
    AcEdCommand* two = acedRegCmds->lookupGlobalCmd(L"hxtwo");
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"hxthree"), nullptr);
    EXPECT_EQ(one->commandFlags(), 2);
    EXPECT_EQ(one->functionCode(), 100);
    EXPECT_STREQ(two->groupName(), L"HXTESTGROUP");

    g_calls = 0;
    one->functionAddr()();
    EXPECT_EQ(g_calls, 1);

    EXPECT_EQ(acedRegCmds->removeGroup(L"HXTESTGROUP"), Acad::eOk);
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"hxone"), nullptr);
}

} // namespace
