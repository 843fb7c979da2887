// The command stack: registration rules, removal and running commands from
// the command line. What a registered command keeps (flags, function code,
// group) is pinned through tests/peers (HxDefineCommand).
#include "HostTest.h"
#include "accmd.h"
#include "acutads.h"
#include "hxhost/Session.h"

namespace {

void sayA() {
    acutPrintf(L"A");
}

// Removes the groups a test made, so that the stack is as it found it.
class CommandStackTest : public HostTest {
protected:
    AcEdCommandStack* stack() { return acedRegCmds; }
    void TearDown() override {
        for (const wchar_t* group : {L"G1", L"G2"})
            stack()->removeGroup(group);
        HostTest::TearDown();
    }
};

} // namespace

TEST_F(CommandStackTest, AddCommandChecksItsArguments) {
    struct Case {
        const char* what;
        const wchar_t* group;
        const wchar_t* global;
        const wchar_t* local;
        AcRxFunctionPtr function;
        Acad::ErrorStatus expected;
    };
    const Case cases[] = {
        {"valid", L"G1", L"PIPE", L"管道", sayA, Acad::eOk},
        {"same global, other case", L"g1", L"pipe", nullptr, sayA, Acad::eDuplicateKey},
        {"same global, other group", L"G2", L"PIPE", nullptr, sayA, Acad::eOk},
        {"null local means global", L"G1", L"WELL", nullptr, sayA, Acad::eOk},
        {"null group", nullptr, L"X", nullptr, sayA, Acad::eInvalidInput},
        {"empty global", L"G1", L"", nullptr, sayA, Acad::eInvalidInput},
        {"blank in name", L"G1", L"TWO WORDS", nullptr, sayA, Acad::eInvalidInput},
        {"no function", L"G1", L"Z", nullptr, nullptr, Acad::eInvalidInput}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(stack()->addCommand(c.group, c.global, c.local, ACRX_CMD_MODAL, c.function),
                  c.expected);
    }
    AcEdCommand* well = stack()->lookupGlobalCmd(L"well");
    ASSERT_NE(well, nullptr);
    EXPECT_STREQ(well->localName(), L"WELL");
    EXPECT_EQ(well->commandApp(), nullptr); // added outside any application message
}

TEST_F(CommandStackTest, RemovalReportsWhatIsAbsent) {
    ASSERT_EQ(stack()->addCommand(L"G1", L"ONE", nullptr, 0, sayA), Acad::eOk);
    struct Case {
        const char* what;
        Acad::ErrorStatus actual;
        Acad::ErrorStatus expected;
    };
    const Case cases[] = {
        {"unknown command", stack()->removeCmd(L"G1", L"TWO"), Acad::eKeyNotFound},
        {"command", stack()->removeCmd(L"g1", L"one"), Acad::eOk},
        {"emptied group stays", stack()->removeGroup(L"G1"), Acad::eOk},
        {"group again", stack()->removeGroup(L"G1"), Acad::eKeyNotFound},
        {"null group", stack()->removeGroup(nullptr), Acad::eKeyNotFound}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.actual, c.expected);
    }
    EXPECT_EQ(stack()->lookupGlobalCmd(L"ONE"), nullptr);
}

TEST_F(CommandStackTest, RunCommandRunsGlobalNamesOnly) {
    ASSERT_EQ(stack()->addCommand(L"G1", L"MODALCMD", L"说A", ACRX_CMD_MODAL, sayA), Acad::eOk);
    EXPECT_EQ(hxhost::runCommand(L"modalcmd"), RTNORM);
    EXPECT_EQ(hxhost::runCommand(L"说A"), RTERROR); // local names do not run
    EXPECT_EQ(hxhost::runCommand(L"NOSUCH"), RTERROR);
    EXPECT_EQ(hxhost::runCommand(nullptr), RTERROR);
    EXPECT_EQ(hxhost::commandLine(), L"A");
    stack()->lookupGlobalCmd(L"MODALCMD")->functionAddr(nullptr);
    EXPECT_EQ(hxhost::runCommand(L"MODALCMD"), RTERROR);
}
