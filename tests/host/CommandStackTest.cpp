// The command stack: registration rules, lookup order, removal, iteration
// and running commands from the command line.
#include "HostTest.h"
#include "accmd.h"
#include "acutads.h"
#include "hxhost/Session.h"

#include <string>
#include <vector>

namespace {

void sayA() {
    acutPrintf(L"A");
}
void sayB() {
    acutPrintf(L"B");
}

void nestModal() {
    acutPrintf(L"[outer %d]", hxhost::runCommand(L"MODALCMD") == RTNORM ? 1 : 0);
}
void nestTransparent() {
    acutPrintf(L"[outer %d]", hxhost::runCommand(L"TRANSCMD") == RTNORM ? 1 : 0);
}

// Removes the groups a test made, so that the stack is as it found it.
class CommandStackTest : public HostTest {
protected:
    AcEdCommandStack* stack() { return acedRegCmds; }
    void TearDown() override {
        for (const wchar_t* group : {L"G1", L"G2", L"G3"})
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
        {"same global, other group", L"G2", L"PIPE", nullptr, sayB, Acad::eOk},
        {"null local means global", L"G1", L"WELL", nullptr, sayB, Acad::eOk},
        {"null group", nullptr, L"X", nullptr, sayA, Acad::eInvalidInput},
        {"empty group", L"", L"X", nullptr, sayA, Acad::eInvalidInput},
        {"null global", L"G1", nullptr, L"X", sayA, Acad::eInvalidInput},
        {"empty global", L"G1", L"", nullptr, sayA, Acad::eInvalidInput},
        {"blank in name", L"G1", L"TWO WORDS", nullptr, sayA, Acad::eInvalidInput},
        {"blank in local", L"G1", L"Y", L"Y Z", sayA, Acad::eInvalidInput},
        {"no function", L"G1", L"Z", nullptr, nullptr, Acad::eInvalidInput}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(stack()->addCommand(c.group, c.global, c.local, ACRX_CMD_MODAL, c.function),
                  c.expected);
    }
    AcEdCommand* well = stack()->lookupGlobalCmd(L"well");
    ASSERT_NE(well, nullptr);
    EXPECT_STREQ(well->localName(), L"WELL");
    EXPECT_STREQ(well->groupName(), L"G1");
    EXPECT_EQ(well->commandApp(), nullptr); // added outside any application message
}

TEST_F(CommandStackTest, AddCommandKeepsItsDetailsAndReturnsTheCommand) {
    AcEdCommand* made = nullptr;
    int context = 0;
    HINSTANCE resource = reinterpret_cast<HINSTANCE>(0x40);
    ASSERT_EQ(stack()->addCommand(L"G1", L"sample", L"样例", ACRX_CMD_USEPICKSET, sayA, &context,
                                  39029, resource, &made),
              Acad::eOk);
    EXPECT_EQ(stack()->lookupLocalCmd(L"样例"), made);
    EXPECT_TRUE(made->commandFlags() == ACRX_CMD_USEPICKSET && made->functionAddr() == &sayA &&
                made->UIContext() == &context && made->functionCode() == 39029 &&
                made->resourceHandle() == resource);
}

TEST_F(CommandStackTest, TheMostRecentGroupWinsUntilAnotherIsPoppedToTop) {
    ASSERT_EQ(stack()->addCommand(L"G1", L"DUP", L"L1", 0, sayA), Acad::eOk);
    ASSERT_EQ(stack()->addCommand(L"G2", L"DUP", L"L2", ACRX_CMD_UNDEFINED, sayB), Acad::eOk);
    EXPECT_STREQ(stack()->lookupGlobalCmd(L"DUP")->groupName(), L"G2");
    // Skipping undefined commands passes over G2's.
    EXPECT_STREQ(stack()->lookupCmd(L"DUP", true, true, true)->groupName(), L"G1");
    EXPECT_EQ(stack()->lookupLocalCmd(L"L1"), stack()->lookupCmd(L"l1", false));
    EXPECT_EQ(stack()->lookupCmd(L"L1", true), nullptr); // L1 is no global name
    EXPECT_EQ(stack()->popGroupToTop(L"g1"), Acad::eOk);
    EXPECT_STREQ(stack()->lookupGlobalCmd(L"DUP")->groupName(), L"G1");
    EXPECT_EQ(stack()->popGroupToTop(L"G3"), Acad::eKeyNotFound);
}

TEST_F(CommandStackTest, RemovalReportsWhatIsAbsent) {
    ASSERT_EQ(stack()->addCommand(L"G1", L"ONE", nullptr, 0, sayA), Acad::eOk);
    struct Case {
        const char* what;
        Acad::ErrorStatus actual;
        Acad::ErrorStatus expected;
    };
    const Case cases[] = {
        {"command of unknown group", stack()->removeCmd(L"G9", L"ONE"), Acad::eKeyNotFound},
        {"unknown command", stack()->removeCmd(L"G1", L"TWO"), Acad::eKeyNotFound},
        {"null command", stack()->removeCmd(L"G1", nullptr), Acad::eKeyNotFound},
        {"command", stack()->removeCmd(L"g1", L"one"), Acad::eOk},
        {"command again", stack()->removeCmd(L"G1", L"ONE"), Acad::eKeyNotFound},
        {"emptied group stays", stack()->removeGroup(L"G1"), Acad::eOk},
        {"group again", stack()->removeGroup(L"G1"), Acad::eKeyNotFound},
        {"null group", stack()->removeGroup(nullptr), Acad::eKeyNotFound}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.actual, c.expected);
    }
    EXPECT_EQ(stack()->lookupGlobalCmd(L"ONE"), nullptr);
    EXPECT_EQ(stack()->lookupGlobalCmd(nullptr), nullptr);
}

TEST_F(CommandStackTest, IteratorWalksGroupsNewestFirstAndCommandsInOrder) {
    ASSERT_EQ(stack()->addCommand(L"G1", L"A1", nullptr, 0, sayA), Acad::eOk);
    ASSERT_EQ(stack()->addCommand(L"G2", L"B1", nullptr, 0, sayB), Acad::eOk);
    ASSERT_EQ(stack()->addCommand(L"G1", L"A2", nullptr, 0, sayA), Acad::eOk);

    std::vector<std::wstring> seen;
    AcEdCommandIterator* it = stack()->iterator();
    for (; !it->done(); it->next()) {
        std::wstring group = it->commandGroup();
        if (group == L"G1" || group == L"G2")
            seen.push_back(group + L":" + it->command()->globalName());
    }
    EXPECT_EQ(it->command(), nullptr);
    EXPECT_EQ(it->commandGroup(), nullptr);
    EXPECT_FALSE(it->next());
    delete it;
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"G2:B1", L"G1:A1", L"G1:A2"}));
}

TEST_F(CommandStackTest, RunCommandRunsGlobalNamesAndOnlyTransparentOnesInsideAnother) {
    ASSERT_EQ(stack()->addCommand(L"G1", L"MODALCMD", L"说A", ACRX_CMD_MODAL, sayA), Acad::eOk);
    ASSERT_EQ(stack()->addCommand(L"G1", L"TRANSCMD", nullptr, ACRX_CMD_TRANSPARENT, sayB),
              Acad::eOk);
    ASSERT_EQ(stack()->addCommand(L"G1", L"OUTER1", nullptr, 0, nestModal), Acad::eOk);
    ASSERT_EQ(stack()->addCommand(L"G1", L"OUTER2", nullptr, 0, nestTransparent), Acad::eOk);
    EXPECT_EQ(hxhost::runCommand(L"modalcmd"), RTNORM);
    EXPECT_EQ(hxhost::runCommand(L"说A"), RTERROR); // local names do not run
    EXPECT_EQ(hxhost::runCommand(L"NOSUCH"), RTERROR);
    EXPECT_EQ(hxhost::runCommand(nullptr), RTERROR);
    EXPECT_EQ(hxhost::runCommand(L"OUTER1"), RTNORM);
    EXPECT_EQ(hxhost::runCommand(L"OUTER2"), RTNORM);
    EXPECT_EQ(hxhost::commandLine(), L"A[outer 0]B[outer 1]");
    EXPECT_EQ(hxhost::runCommand(L"MODALCMD"), RTNORM); // nothing running any more
    stack()->lookupGlobalCmd(L"MODALCMD")->functionAddr(nullptr);
    EXPECT_EQ(hxhost::runCommand(L"MODALCMD"), RTERROR);
}
