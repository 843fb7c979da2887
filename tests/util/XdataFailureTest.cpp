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
    const auto noXdata = [&] { EXPECT_EQ(dumpXdata(m_line), L""); };
    const auto textSet = [&] { return setText(L"v"); };
    const auto textGet = [&] { return HxWtGetXdata(m_line, m_app, value); };
    const auto handleSet = [&] { return setHandle(); };
    const auto handleGet = [&] { return HxWtGetHandleXdata(m_line, m_app, ref); };
    const auto erased = [&] { registerApp(), eraseObject(m_line); };
    // Stores a chain under a registered HxApp.
    const auto store = [&](resbuf* chain) {
        registerApp();
        ASSERT_EQ(storeChain(m_line, chain), Acad::eOk);
    };

    const FailureRow rows[] = {
        {"null object, text setter", nothing, nullptr, 0,
         [&] { return HxWtSetXdata(static_cast<AcDbObject*>(nullptr), m_app, L"v", nullptr); },
         notRegistered},
        {"null object, text getter", nothing, nullptr, 0,
         [&] { return HxWtGetXdata(static_cast<AcDbObject*>(nullptr), m_app, value); }, emptyValue},
        {"id does not open, text setter", nothing, hxhost::kFaultOpen, 0, textSet, noText},
        {"id does not open, text getter", storeOld, hxhost::kFaultOpen, 0, textGet, emptyValue},
        {"id does not open, handle setter", nothing, hxhost::kFaultOpen, 0, handleSet,
         notRegistered},
        {"id does not open, handle getter", [&] { ASSERT_EQ(setHandle(), 1); }, hxhost::kFaultOpen,
         0, handleGet, refUntouched},
        {"document not locked", nothing, hxhost::kFaultLock, 0, textSet,
         [&] { noText(), notRegistered(); }},
        {"application table does not open", nothing, hxhost::kFaultSymbolTable, 0, textSet, noText},
        {"application table not upgraded", nothing, hxhost::kFaultUpgrade, 0, textSet, noNewRecord},
        {"registration refused, handle setter", nothing, hxhost::kFaultRegApp, 0, handleSet,
         notRegistered},
        {"application not registered, handle getter", nothing, nullptr, 0, handleGet, refUntouched},
        {"object not upgraded, registered application", registered, hxhost::kFaultUpgrade, 0,
         textSet, noText},
        {"object not upgraded, existing xdata", storeOld, hxhost::kFaultUpgrade, 0, textSet,
         oldText},
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
        {"xdata refused, handle setter", nothing, hxhost::kFaultSetXData, 0, handleSet, noXdata},
        {"memory refused, text setter", nothing, hxhost::kFaultAlloc, 0, textSet, noText},
        {"memory refused, handle setter", registered, hxhost::kFaultAlloc, 0, handleSet, noXdata},
        {"no xdata, text getter", registered, nullptr, 0, textGet, emptyValue},
        {"no xdata, handle getter", registered, nullptr, 0, handleGet, refUntouched},
        {"neither string nor chunks", [&] { store(acutBuildList(1001, L"HxApp", 1040, 2.5, 0)); },
         nullptr, 0, textGet, emptyValue},
        {"referenced object erased", [&] { eraseObject(m_target); }, nullptr, 0, handleSet,
         noXdata},
        {"referenced object does not open", nothing, hxhost::kFaultOpen, 1, handleSet, noXdata},
        {"no 1005 item", [&] { store(acutBuildList(1001, L"HxApp", 1000, L"x", 0)); }, nullptr, 0,
         handleGet, refUntouched},
        {"erased id, text setter", erased, nullptr, 0, textSet, nothing},
        {"erased id, text getter", erased, nullptr, 0, textGet, emptyValue},
        {"erased id, handle setter", erased, nullptr, 0, handleSet, nothing},
        {"erased id, handle getter", erased, nullptr, 0, handleGet, refUntouched},
        {"handle of no object", [&] { store(acutBuildList(1001, L"HxApp", 1005, L"FFFFF", 0)); },
         nullptr, 0, handleGet, refUntouched},
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

} // namespace
