// Extended data on objects: per-application replacement and removal, the
// registration check, the size limit, the write requirement and the fault.
#include "ChainText.h"
#include "DrawingFixture.h"

#include "acedads.h"

#include <string>
#include <vector>

namespace {

class XDataTest : public DrawingTest {
protected:
    void SetUp() override {
        ASSERT_EQ(acdbRegApp(L"HxApp"), RTNORM);
        ASSERT_EQ(acdbRegApp(L"Other"), RTNORM);
        m_line = addLine();
    }

    // Opens the line for write, hands it the chain (released), closes; the status.
    Acad::ErrorStatus store(resbuf* chain) {
        AcDbObject* obj = nullptr;
        Acad::ErrorStatus es = acdbOpenObject(obj, m_line, AcDb::kForWrite);
        if (es == Acad::eOk) {
            es = obj->setXData(chain);
            obj->close();
        }
        acutRelRb(chain);
        return es;
    }

    // The line's xdata for app (null: all) as chainText gives it.
    std::wstring dump(const ACHAR* app = nullptr) {
        AcDbObject* obj = nullptr;
        acdbOpenObject(obj, m_line, AcDb::kForRead);
        resbuf* chain = obj->xData(app);
        obj->close();
        const std::wstring text = chainText(chain);
        acutRelRb(chain);
        return text;
    }

    AcDbObjectId m_line;
};

TEST_F(XDataTest, ReplacesPerApplication) {
    ASSERT_EQ(store(acutBuildList(1001, L"HxApp", 1000, L"one", 1070, 1, 1001, L"Other", 1000,
                                  L"keep", 0)),
              Acad::eOk);
    EXPECT_EQ(dump(), L"1001:HxApp 1000:one 1070:1 1001:Other 1000:keep");
    ASSERT_EQ(store(acutBuildList(1001, L"hxapp", 1000, L"two", 0)), Acad::eOk);
    EXPECT_EQ(dump(L"HXAPP"), L"1001:HxApp 1000:two"); // the registered spelling leads
    // An application given with its 1001 item alone loses its xdata.
    ASSERT_EQ(store(acutBuildList(1001, L"HxApp", 0)), Acad::eOk);
    EXPECT_EQ(dump(), L"1001:Other 1000:keep");
    EXPECT_EQ(dump(L""), L"");
}

TEST_F(XDataTest, RejectedChainsChangeNothing) {
    std::vector<char> bytes(128, 'y');
    const ads_binary full = {127, bytes.data()};
    const ads_binary empty = {0, bytes.data()};
    ASSERT_EQ(store(acutBuildList(1001, L"HxApp", 1004, &full, 1004, &empty, 1005, L"2A", 0)),
              Acad::eOk);
    const std::wstring before = L"1001:HxApp 1004:#127 1004:#0 1005:2A";
    EXPECT_EQ(dump(), before);
    const ads_binary tooLong = {128, bytes.data()};
    struct Case {
        const char* what;
        resbuf* chain;
        Acad::ErrorStatus expected;
    };
    const Case cases[] = {
        {"not led by 1001", acutBuildList(1000, L"x", 0), Acad::eInvalidResBuf},
        {"chunk over 127 bytes", acutBuildList(1001, L"HxApp", 1004, &tooLong, 0),
         Acad::eInvalidResBuf},
        {"unregistered application",
         acutBuildList(1001, L"HxApp", 1000, L"x", 1001, L"Nobody", 1000, L"y", 0),
         Acad::eRegappIdNotFound}};
    for (const Case& c : cases) {
        EXPECT_EQ(store(c.chain), c.expected) << c.what;
        EXPECT_EQ(dump(), before) << c.what;
    }
}

TEST_F(XDataTest, SizeLimitCountsEveryApplication) {
    // 1001 "HxApp" takes 8 bytes, each 127-byte chunk 130: 125 chunks make
    // 16258 bytes, 126 make 16388 (over 16383).
    std::vector<char> bytes(127, 'z');
    const ads_binary chunk = {127, bytes.data()};
    auto chunks = [&](int n) {
        resbuf* head = acutBuildList(1001, L"HxApp", 0);
        resbuf* tail = head;
        for (int i = 0; i < n; ++i)
            tail = tail->rbnext = acutBuildList(1004, &chunk, 0);
        return head;
    };
    EXPECT_EQ(store(chunks(126)), Acad::eXdataSizeExceeded);
    EXPECT_EQ(dump(), L"");
    EXPECT_EQ(store(chunks(125)), Acad::eOk);
    // 125 bytes left: another application's 1000 item of 120 characters
    // (2 + 121) plus its 1001 item (2 + 6) passes no more.
    const std::wstring text(120, L'a');
    EXPECT_EQ(store(acutBuildList(1001, L"Other", 1000, text.c_str(), 0)),
              Acad::eXdataSizeExceeded);
    EXPECT_EQ(store(acutBuildList(1001, L"Other", 1000, text.substr(0, 100).c_str(), 0)),
              Acad::eOk);
}

TEST_F(XDataTest, NeedsWriteAndAnsweredByTheFault) {
    resbuf* chain = acutBuildList(1001, L"HxApp", 1000, L"x", 0);
    AcDbObject* obj = nullptr;
    acdbOpenObject(obj, m_line, AcDb::kForRead);
    EXPECT_EQ(obj->setXData(chain), Acad::eNotOpenForWrite);
    obj->upgradeOpen();
    EXPECT_EQ(obj->setXData(nullptr), Acad::eInvalidInput);
    hxhost::failNext(hxhost::kFaultSetXData);
    EXPECT_EQ(obj->setXData(chain), Acad::eOutOfMemory);
    EXPECT_EQ(obj->xData(), nullptr);
    EXPECT_EQ(obj->setXData(chain), Acad::eOk);
    obj->close();
    EXPECT_EQ(obj->xData(), nullptr); // not open: nothing to give
    acutRelRb(chain);
    EXPECT_EQ(dump(), L"1001:HxApp 1000:x");
}

TEST_F(XDataTest, NewObjectsCheckTheWorkingDatabase) {
    AcDbLine line;
    resbuf* chain = acutBuildList(1001, L"HxApp", 1070, 7, 0);
    EXPECT_EQ(line.setXData(chain), Acad::eOk);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    EXPECT_EQ(line.setXData(chain), Acad::eRegappIdNotFound);
    acutRelRb(chain);

    AcDbLine copy; // copies take the xdata along
    EXPECT_EQ(copy.copyFrom(&line), Acad::eOk);
    resbuf* copied = copy.xData();
    EXPECT_EQ(chainText(copied), L"1001:HxApp 1070:7");
    acutRelRb(copied);
}

} // namespace
