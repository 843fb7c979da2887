// Every failure row of the xdata functions, driven through the stand-in's
// fault injection: each call gives 0, leaves the stored xdata as it was, and
// leaves no lock, object or result buffer behind.
#include "UtilDrawingTest.h"

#include <functional>

namespace {

class XdataFailureTest : public UtilDrawingTest {
protected:
    void SetUp() override {
        m_line = addLine();
        m_target = addLine({3, 0, 0}, {4, 0, 0});
    }

    // The text under HxApp as the text getter sees it ("<none>" when absent).
    std::wstring storedText() {
        wchar_t app[] = L"HxApp";
        CString value;
        return HxWtGetXdata(m_line, app, value) == 1 ? std::wstring(value.GetString()) : L"<none>";
    }

    int setText(const wchar_t* value) { return HxWtSetXdata(m_line, m_app, value, nullptr); }
    int setHandle() { return HxWtSetHandleXdata(m_line, m_app, m_target); }
    void registerApp() { ASSERT_EQ(acdbRegApp(m_app), RTNORM); }

    AcDbObjectId m_line;
    AcDbObjectId m_target;
    wchar_t m_app[8] = L"HxApp";
};

struct FailureRow {
    const char* name;
    std::function<void()> prepare;
    const char* fault; // null: no fault injected
    int skip;
    std::function<int()> call;
    std::function<void()> check;
};

TEST_F(XdataFailureTest, EveryFailureRowGivesZeroAndLeavesTheHostClean) {
    CString value;
    AcDbObjectId ref;
    const AcDbObjectId untouched = m_line;
    const auto nothing = [] {};
    const auto registered = [&] { registerApp(); };
    const auto noText = [&] { EXPECT_EQ(storedText(), L"<none>"); };
    const auto oldText = [&] { EXPECT_EQ(storedText(), L"old"); };
    const auto storeOld = [&] { ASSERT_EQ(setText(L"old"), 1); };
    const auto emptyValue = [&] { EXPECT_TRUE(value.IsEmpty()); };
    const auto refUntouched = [&] { EXPECT_EQ(ref, untouched); };
    const auto notRegistered = [&] { EXPECT_FALSE(isRegistered(m_app)); };
    int objects = 0;
    const auto noNewRecord = [&] {
        EXPECT_EQ(hxhost::objectCount(), objects);
        EXPECT_FALSE(isRegistered(m_app));
    };

    const FailureRow rows[] = {
        {"null object, text setter", nothing, nullptr, 0,
         [&] { return HxWtSetXdata(static_cast<AcDbObject*>(nullptr), m_app, L"v", nullptr); },
         notRegistered},
        {"null object, text getter", nothing, nullptr, 0,
         [&] { return HxWtGetXdata(static_cast<AcDbObject*>(nullptr), m_app, value); }, emptyValue},
        {"id does not open, text setter", nothing, hxhost::kFaultOpen, 0,
         [&] { return setText(L"v"); }, noText},
        {"id does not open, text getter", storeOld, hxhost::kFaultOpen, 0,
         [&] { return HxWtGetXdata(m_line, m_app, value); }, emptyValue},
        {"id does not open, handle setter", nothing, hxhost::kFaultOpen, 0,
         [&] { return setHandle(); }, notRegistered},
        {"id does not open, handle getter", [&] { ASSERT_EQ(setHandle(), 1); }, hxhost::kFaultOpen,
         0, [&] { return HxWtGetHandleXdata(m_line, m_app, ref); }, refUntouched},
        {"document not locked", nothing, hxhost::kFaultLock, 0, [&] { return setText(L"v"); },
         [&] {
             noText();
             notRegistered();
         }},
        {"application table does not open", nothing, hxhost::kFaultSymbolTable, 0,
         [&] { return setText(L"v"); }, noText},
        {"application table not upgraded", nothing, hxhost::kFaultUpgrade, 0,
         [&] { return setText(L"v"); }, noNewRecord},
        {"registration refused, handle setter", nothing, hxhost::kFaultRegApp, 0,
         [&] { return setHandle(); }, notRegistered},
        {"application not registered, handle getter", nothing, nullptr, 0,
         [&] { return HxWtGetHandleXdata(m_line, m_app, ref); }, refUntouched},
        {"object not upgraded, registered application", registered, hxhost::kFaultUpgrade, 0,
         [&] { return setText(L"v"); }, noText},
        {"object not upgraded, existing xdata", storeOld, hxhost::kFaultUpgrade, 0,
         [&] { return setText(L"v"); }, oldText},
        {"object has another reader", storeOld, nullptr, 0,
         [&] {
             AcDbObject* other = nullptr;
             EXPECT_EQ(acdbOpenObject(other, m_line, AcDb::kForRead), Acad::eOk);
             const int result = setText(L"v");
             other->close();
             return result;
         },
         oldText},
        {"xdata refused, text setter", storeOld, hxhost::kFaultSetXData, 0,
         [&] { return setText(CString(L'x', 300)); }, oldText},
        {"xdata refused, handle setter", nothing, hxhost::kFaultSetXData, 0,
         [&] { return setHandle(); }, [&] { EXPECT_EQ(dumpXdata(m_line), L""); }},
        {"memory refused, text setter", nothing, hxhost::kFaultAlloc, 0,
         [&] { return setText(L"v"); }, noText},
        {"memory refused, handle setter", registered, hxhost::kFaultAlloc, 0,
         [&] { return setHandle(); }, [&] { EXPECT_EQ(dumpXdata(m_line), L""); }},
        {"no xdata, text getter", registered, nullptr, 0,
         [&] { return HxWtGetXdata(m_line, m_app, value); }, emptyValue},
        {"no xdata, handle getter", registered, nullptr, 0,
         [&] { return HxWtGetHandleXdata(m_line, m_app, ref); }, refUntouched},
        {"neither string nor chunks",
         [&] {
             registerApp();
             ASSERT_EQ(storeChain(m_line, acutBuildList(1001, L"HxApp", 1040, 2.5, 0)), Acad::eOk);
         },
         nullptr, 0, [&] { return HxWtGetXdata(m_line, m_app, value); }, emptyValue},
        {"referenced object erased", [&] { eraseObject(m_target); }, nullptr, 0,
         [&] { return setHandle(); }, [&] { EXPECT_EQ(dumpXdata(m_line), L""); }},
        {"referenced object does not open", nothing, hxhost::kFaultOpen, 1,
         [&] { return setHandle(); }, [&] { EXPECT_EQ(dumpXdata(m_line), L""); }},
        {"no 1005 item",
         [&] {
             registerApp();
             ASSERT_EQ(storeChain(m_line, acutBuildList(1001, L"HxApp", 1000, L"x", 0)), Acad::eOk);
         },
         nullptr, 0, [&] { return HxWtGetHandleXdata(m_line, m_app, ref); }, refUntouched},
        {"handle of no object",
         [&] {
             registerApp();
             ASSERT_EQ(storeChain(m_line, acutBuildList(1001, L"HxApp", 1005, L"FFFFF", 0)),
                       Acad::eOk);
         },
         nullptr, 0, [&] { return HxWtGetHandleXdata(m_line, m_app, ref); }, refUntouched},
    };
    for (const FailureRow& row : rows) {
        SCOPED_TRACE(row.name);
        hxhost::resetDrawings();
        SetUp();
        value = L"stale";
        ref = untouched;
        row.prepare();
        objects = hxhost::objectCount();
        if (row.fault != nullptr)
            hxhost::failNext(row.fault, 1, row.skip);
        EXPECT_EQ(row.call(), 0);
        if (row.fault != nullptr) {
            EXPECT_EQ(hxhost::pendingFaults(row.fault), 0) << "the fault was not reached";
        }
        hxhost::clearFaults();
        EXPECT_EQ(hxhost::describeOutstanding(), "");
        row.check();
    }
}

TEST_F(XdataFailureTest, ErasedIdsGiveZeroInEveryIdForm) {
    registerApp();
    eraseObject(m_line);
    CString value = L"stale";
    AcDbObjectId ref = m_target;
    EXPECT_EQ(HxWtSetXdata(m_line, m_app, L"v", nullptr), 0);
    EXPECT_EQ(HxWtGetXdata(m_line, m_app, value), 0);
    EXPECT_EQ(HxWtSetHandleXdata(m_line, m_app, m_target), 0);
    EXPECT_EQ(HxWtGetHandleXdata(m_line, m_app, ref), 0);
    EXPECT_TRUE(value.IsEmpty());
    EXPECT_EQ(ref, m_target);
}

} // namespace
