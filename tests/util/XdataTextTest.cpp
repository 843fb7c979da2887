// HxWtSetXdata / HxWtGetXdata: the two layouts at their byte boundaries (ASCII
// and GBK text), replacement per application, registration, the cut of long
// names, the 1002 brace rule and the open mode left behind.
#include "UtilDrawingTest.h"

#include <cstring>

#include "hxhost/Session.h"

namespace {

class XdataTextTest : public UtilDrawingTest {
protected:
    void SetUp() override { m_line = addLine(); }
    AcDbObjectId m_line;
    wchar_t m_app[64] = L"HxApp";
};

// Text of `count` copies of ch.
CString Repeat(wchar_t ch, int count) {
    return CString(ch, count);
}

// The first store registers the application; later ones add no record. The
// last row counts bytes in UTF-8, where a CJK character takes three.
TEST_F(XdataTextTest, ChoosesTheLayoutByAnsiByteCount) {
    const wchar_t han = L'\u6C34'; // two bytes in GBK
    const struct {
        const char* name;
        CString text;
        const wchar_t* layout;
        UINT codePage = 0; // 0: the default
    } cases[] = {
        {"empty", L"", L"1001:HxApp 1000:"},
        {"255 ascii", Repeat(L'a', 255), nullptr},
        {"256 ascii", Repeat(L'a', 256), L"1001:HxApp 1004/127 1004/127 1004/2"},
        {"381 ascii", Repeat(L'a', 381), L"1001:HxApp 1004/127 1004/127 1004/127 1004/0"},
        {"254 ascii", Repeat(L'a', 254), nullptr},
        {"127 han = 254 bytes", Repeat(han, 127), nullptr},
        {"1 + 127 han = 255 bytes", L"a" + Repeat(han, 127), nullptr},
        {"128 han = 256 bytes", Repeat(han, 128), L"1001:HxApp 1004/127 1004/127 1004/2"},
        {"127 ascii + 127 han = 381 bytes", Repeat(L'b', 127) + Repeat(han, 127),
         L"1001:HxApp 1004/127 1004/127 1004/127 1004/0"},
        {"635 bytes", Repeat(L'c', 635),
         L"1001:HxApp 1004/127 1004/127 1004/127 1004/127 1004/127 1004/0"},
        {"86 han in UTF-8 = 258 bytes", Repeat(han, 86), L"1001:HxApp 1004/127 1004/127 1004/4",
         CP_UTF8},
    };
    ASSERT_FALSE(isRegistered(L"HxApp"));
    int objects = -1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.codePage != 0) {
            ASSERT_TRUE(hxhost::setAnsiCodePage(c.codePage));
        }
        ASSERT_EQ(HxWtSetXdata(m_line, m_app, c.text, objects < 0 ? nullptr : db()), 1);
        EXPECT_TRUE(isRegistered(L"HxApp"));
        EXPECT_TRUE(objects < 0 || hxhost::objectCount() == objects) << "a record was added";
        objects = hxhost::objectCount();
        const std::wstring layout = c.layout != nullptr
                                        ? std::wstring(c.layout)
                                        : L"1001:HxApp 1000:" + std::wstring(c.text.GetString());
        EXPECT_EQ(dumpXdata(m_line, L"HxApp"), layout);
        CString back = L"stale";
        EXPECT_EQ(HxWtGetXdata(m_line, m_app, back), 1);
        EXPECT_EQ(back, c.text);
    }
}

TEST_F(XdataTextTest, ReplacesOnlyItsOwnApplication) {
    ASSERT_EQ(acdbRegApp(L"HxApp"), RTNORM);
    ASSERT_EQ(acdbRegApp(L"Other"), RTNORM);
    ASSERT_EQ(storeChain(m_line, acutBuildList(1001, L"hxapp", 1000, L"old", 1070, 3, 1001,
                                               L"Other", 1000, L"keep", 0)),
              Acad::eOk);
    ASSERT_EQ(HxWtSetXdata(m_line, m_app, L"new", nullptr), 1);
    EXPECT_EQ(dumpXdata(m_line), L"1001:HxApp 1000:new 1001:Other 1000:keep");
    ASSERT_EQ(HxWtSetXdata(m_line, m_app, Repeat(L'x', 300), nullptr), 1);
    EXPECT_EQ(dumpXdata(m_line), L"1001:HxApp 1004/127 1004/127 1004/46 1001:Other 1000:keep");
}

TEST_F(XdataTextTest, IdFormsCutNamesLongerThan32To31) {
    const struct {
        int length;
        int used;
    } cases[] = {{40, 31}, {33, 31}, {32, 32}, {31, 31}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        wchar_t name[64] = {};
        for (int i = 0; i < c.length; ++i)
            name[i] = static_cast<wchar_t>(L'A' + i % 26);
        const std::wstring expected(name, c.used);
        ASSERT_EQ(HxWtSetXdata(m_line, name, L"v", nullptr), 1);
        EXPECT_EQ(std::wcslen(name), static_cast<size_t>(c.used));
        EXPECT_EQ(dumpXdata(m_line, expected.c_str()), L"1001:" + expected + L" 1000:v");

        wchar_t readName[64] = {};
        std::wcscpy(readName, std::wstring(expected + L"ZZZZZZZZZ").substr(0, c.length).c_str());
        CString value;
        EXPECT_EQ(HxWtGetXdata(m_line, readName, value), 1);
        EXPECT_EQ(value, L"v");
        EXPECT_EQ(std::wcslen(readName), static_cast<size_t>(c.used));
    }
}

// The object forms neither cut the name nor keep a write open.
TEST_F(XdataTextTest, ObjectFormsUseTheNameWholeAndLeaveTheObjectOpenForRead) {
    wchar_t name[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn"; // 40 characters
    for (AcDb::OpenMode mode : {AcDb::kForRead, AcDb::kForWrite}) {
        AcDbObject* obj = nullptr;
        ASSERT_EQ(acdbOpenObject(obj, m_line, mode), Acad::eOk);
        EXPECT_EQ(HxWtSetXdata(obj, name, L"v", nullptr), 1);
        EXPECT_EQ(hxhost::openMode(m_line), AcDb::kForRead);
        EXPECT_EQ(hxhost::openCount(m_line), 1);
        CString value;
        EXPECT_EQ(HxWtGetXdata(obj, name, value), 1);
        EXPECT_EQ(value, L"v");
        obj->close();
    }
    EXPECT_EQ(std::wcslen(name), 40u);
    EXPECT_EQ(hxhost::openMode(m_line), AcDb::kNotOpen);
}

TEST_F(XdataTextTest, ReadsTheFirstStringOutsideBraces) {
    ASSERT_EQ(acdbRegApp(L"HxApp"), RTNORM);
    const ads_binary chunk{2, const_cast<char*>("ab")};
    const struct {
        const char* name;
        resbuf* chain;
        int result;
        const wchar_t* value;
    } cases[] = {
        {"string in braces only",
         acutBuildList(1001, L"HxApp", 1002, L"{", 1000, L"in", 1002, L"}", 0), 0, L""},
        {"string after braces",
         acutBuildList(1001, L"HxApp", 1002, L"{", 1000, L"in", 1002, L"}", 1000, L"out", 0), 1,
         L"out"},
        {"first of two strings", acutBuildList(1001, L"HxApp", 1000, L"a", 1000, L"b", 0), 1, L"a"},
        {"string before chunks", acutBuildList(1001, L"HxApp", 1000, L"s", 1004, &chunk, 0), 1,
         L"s"},
        {"string after chunks", acutBuildList(1001, L"HxApp", 1004, &chunk, 1000, L"s", 0), 1,
         L"ab"},
        {"chunks then a brace", acutBuildList(1001, L"HxApp", 1004, &chunk, 1002, L"{", 0), 0, L""},
        {"no text at all", acutBuildList(1001, L"HxApp", 1070, 5, 0), 0, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(storeChain(m_line, c.chain), Acad::eOk);
        CString value = L"stale";
        EXPECT_EQ(HxWtGetXdata(m_line, m_app, value), c.result);
        EXPECT_EQ(value, c.value);
    }
}

} // namespace
