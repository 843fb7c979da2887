// HxWtWordApplication on the in-process Word: templates loaded or refused,
// tables at the selection and at bookmarks, bookmark texts, Word's errors
// passed through, and every reference given back.
#include "HostTest.h"
#include "WordTemplates.h"

#include "HxWtWordApplication.h"
#include "hxhost/HostControl.h"
#include "hxhost/Word.h"

#include <cstdio>

namespace {

const std::string kBody = para("Title: ") + para("", "Mark", 1) + para("after", "Zed", 2);

VARIANT byName(const wchar_t* name) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(name);
    return v;
}

// Word's error number of the dispatch exception call throws; 0 for none.
template <class F> long raised(F call) {
    try {
        call();
        return 0;
    } catch (COleDispatchException* e) {
        long code = e->m_scError & 0xFFFF;
        e->Delete();
        return code;
    } catch (COleException* e) {
        e->Delete();
        return -1;
    }
}

std::wstring wide(const std::string& s) {
    return std::wstring(s.begin(), s.end());
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

TEST(HxWtWordApplication, FailedLoadReturnsZeroAndKeepsTheDocument) {
    TestTemplate good("good.dotx", kBody);
    TestTemplate broken("broken.dotx", "<w:p><w:r></w:p>");
    const std::string bytes = fileBytes(good.path());
    const std::string notZip = tempPath("notzip.dotx"), truncated = tempPath("cut.dotx"),
                      noMain = tempPath("nomain.dotx");
    writeBytes(notZip, "not a zip");
    writeBytes(truncated, bytes.substr(0, bytes.size() - 40));
    std::string error;
    hxhost::writeWordPackage(noMain, {{"[Content_Types].xml", "<Types/>"}}, &error);
    {
        HxWtWordApplication word;
        ASSERT_EQ(word.LoadTemplate(good.widePath().c_str()), 1);
        const LPDISPATCH made = word.GetDocument().m_lpDispatch;
        for (const std::string& bad :
             {std::string("/nonexistent.dotx"), notZip, truncated, noMain, broken.path()}) {
            EXPECT_EQ(word.LoadTemplate(wide(bad).c_str()), 0) << bad;
            EXPECT_EQ(word.GetDocument().m_lpDispatch, made) << bad;
        }
        hxhost::failNext(hxhost::kFaultInvoke);
        EXPECT_EQ(word.LoadTemplate(good.widePath().c_str()), 0);
        EXPECT_EQ(word.GetDocument().m_lpDispatch, made);
    }
    for (const std::string& p : {notZip, truncated, noMain})
        std::remove(p.c_str());
}

TEST(HxWtWordApplication, TableAtTheSelectionIsBorderedAndCentred) {
    TestTemplate t("table.dotx", kBody);
    HxWtWordApplication word;
    ASSERT_EQ(word.LoadTemplate(t.widePath().c_str()), 1);
    _Table table = word.AddTable(3, 2);
    EXPECT_EQ(table.GetRowCount(), 3);
    EXPECT_EQ(table.GetColumnCount(), 2);
    Borders borders(table.GetBorders());
    EXPECT_EQ(borders.GetOutsideLineStyle(), 1);
    EXPECT_EQ(borders.GetInsideLineStyle(), 1);
    for (long r = 1; r <= 3; ++r) {
        for (long c = 1; c <= 2; ++c) {
            Cell cell(table.Cell(r, c));
            EXPECT_EQ(Borders(cell.GetBorders()).GetOutsideLineStyle(), 1) << r << "," << c;
            _ParagraphFormat format(Range(cell.GetRange()).GetParagraphFormat());
            EXPECT_EQ(format.GetAlignment(), 1) << r << "," << c;
        }
    }
    // The selection of a new document is its start: the table comes first.
    EXPECT_EQ(Range(table.GetRange()).GetStart(), 0);
}

TEST(HxWtWordApplication, WordsErrorsReachTheCaller) {
    TestTemplate t("errors.dotx", kBody);
    HxWtWordApplication word;
    VARIANT missing = byName(L"Missing");
    EXPECT_EQ(raised([&] { word.WriteBookMarks(missing, L"x"); }), 4248); // no document yet
    ASSERT_EQ(word.LoadTemplate(t.widePath().c_str()), 1);
    EXPECT_EQ(raised([&] { word.WriteBookMarks(missing, L"x"); }), 5941);
    EXPECT_EQ(raised([&] { word.AddTable(missing, 2, 2); }), 5941);
    for (auto [rows, cols] : {std::pair{0, 2}, std::pair{2, 0}, std::pair{-1, -1}})
        EXPECT_EQ(raised([&] { word.AddTable(rows, cols); }), 4608) << rows << "x" << cols;
    VariantClear(&missing);
}

TEST(HxWtWordApplication, BookmarkTextsAndTablesGoWhereTheBookmarksAre) {
    TestTemplate t("marks.dotx", kBody);
    const std::string out = tempPath("marks.docx");
    {
        HxWtWordApplication word;
        ASSERT_EQ(word.LoadTemplate(t.widePath().c_str()), 1);
        VARIANT zed = byName(L"Zed");
        word.WriteBookMarks(zed, L"written");
        VariantClear(&zed);
        VARIANT first;
        VariantInit(&first);
        first.vt = VT_I4, first.lVal = 1; // "Mark", alphabetically first
        _Table table = word.AddTable(first, 1, 1);
        EXPECT_EQ(Range(table.GetRange()).GetStart(), 8); // after "Title: " and its mark
        VARIANT file = byName(wide(out).c_str());
        word.GetDocument().SaveAs(&file);
        VariantClear(&file);
    }
    const std::string xml = documentXml(out);
    EXPECT_NE(xml.find("written"), std::string::npos);
    EXPECT_EQ(xml.find("after"), std::string::npos);
    EXPECT_LT(xml.find("Title: "), xml.find("<w:tbl>"));
    EXPECT_LT(xml.find("<w:tbl>"), xml.find("written"));
    std::remove(out.c_str());
}

TEST(HxWtWordApplication, TableAtABookmarkOfAnotherActiveDocumentIsRefused) {
    TestTemplate one("one.dotx", kBody), two("two.dotx", para("other", "Other", 1));
    HxWtWordApplication first;
    ASSERT_EQ(first.LoadTemplate(one.widePath().c_str()), 1);
    HxWtWordApplication second(first);                         // the same Word
    ASSERT_EQ(second.LoadTemplate(two.widePath().c_str()), 1); // now the active document
    VARIANT mark = byName(L"Mark"), other = byName(L"Other");
    // The bookmark is looked up in the active document...
    EXPECT_EQ(raised([&] { first.AddTable(mark, 1, 1); }), 5941);
    // ...and its range belongs to a document whose tables were not asked.
    EXPECT_EQ(raised([&] { first.AddTable(other, 1, 1); }), 4605);
    EXPECT_EQ(Tables(first.GetDocument().GetTables()).GetCount(), 0);
    VariantClear(&mark);
    VariantClear(&other);
}

TEST(HxWtWordApplication, DestructorReleasesDocumentThenCollectionThenApplication) {
    TestTemplate t("release.dotx", kBody);
    {
        HxWtWordApplication word;
        ASSERT_EQ(word.LoadTemplate(t.widePath().c_str()), 1);
        word.AddTable(2, 2);
        HxWtWordApplication copy;
        copy = word;
        hxhost::clearWordReleases();
    }
    const std::vector<std::string> released = hxhost::wordReleases();
    ASSERT_GE(released.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(released.end() - 3, released.end()),
              (std::vector<std::string>{"Document", "Documents", "Application"}));
    EXPECT_EQ(hxhost::outstanding(hxhost::Resource::Dispatch), 0);
}

TEST(HxWtWordApplication, WithoutWordEveryCallFails) {
    TestTemplate t("noword.dotx", kBody);
    hxhost::failNext(hxhost::kFaultWordStart);
    HxWtWordApplication word;
    EXPECT_EQ(word.LoadTemplate(t.widePath().c_str()), 0);
    EXPECT_EQ(raised([&] { word.AddTable(1, 1); }), -1);
}

TEST(HxWtWordApplication, AStringThatCannotBeMadeIsTheCallersOutOfMemory) {
    TestTemplate t("memory.dotx", kBody);
    HxWtWordApplication word;
    hxhost::failNext(hxhost::kFaultBstrAlloc);
    try {
        word.LoadTemplate(t.widePath().c_str());
        ADD_FAILURE() << "no memory exception";
    } catch (CMemoryException* e) {
        e->Delete();
    }
    EXPECT_EQ(word.GetDocument().m_lpDispatch, nullptr);
}

} // namespace
