// The in-process Word over real packages: bookmarks, ranges and the
// selection's text, tables at a range, Word's errors, saving.
#include "WordFixture.h"

#include "hxhost/HostControl.h"

#include <cstdio>
#include <sys/stat.h>

namespace {

CString textOf(_Document& doc) {
    return Range(doc.GetContent()).GetText();
}

CString bookmarkText(_Document& doc, const wchar_t* name) {
    Bookmarks marks(doc.GetBookmarks());
    VARIANT v = nameVariant(name);
    Bookmark mark(marks.Item(&v));
    VariantClear(&v);
    return Range(mark.GetRange()).GetText();
}

void replaceBookmark(_Application& app, _Document& doc, const wchar_t* name, const wchar_t* text) {
    Bookmarks marks(doc.GetBookmarks());
    VARIANT v = nameVariant(name);
    Bookmark mark(marks.Item(&v));
    VariantClear(&v);
    Range(mark.GetRange()).Select();
    Selection(app.GetSelection()).SetText(text);
}

TEST_F(WordTest, BookmarksByIndexAreVisibleOnesInAlphabeticalOrder) {
    _Document doc = open(para("z", "Zeta", 1) + para("h", "_Hidden", 2) + para("a", "alpha", 3) +
                         para("m", "Mid", 4));
    Bookmarks marks(doc.GetBookmarks());
    EXPECT_EQ(marks.GetCount(), 3);
    const wchar_t* expected[] = {L"alpha", L"Mid", L"Zeta"};
    for (long i = 1; i <= 3; ++i) {
        VARIANT v = indexVariant(i);
        EXPECT_EQ(Bookmark(marks.Item(&v)).GetName(), expected[i - 1]) << i;
    }
    EXPECT_TRUE(marks.Exists(L"ZETA"));
    EXPECT_EQ(bookmarkText(doc, L"zeta"), L"z"); // names ignore case
}

TEST_F(WordTest, SelectionTextReplacesAcrossRunsAndDeletesTheBookmark) {
    const std::string body =
        "<w:p><w:r><w:rPr><w:b/></w:rPr><w:t xml:space=\"preserve\">Hello </w:t></w:r>"
        "<w:bookmarkStart w:id=\"1\" w:name=\"Who\"/><w:r><w:t>big </w:t></w:r>"
        "<w:r><w:rPr><w:i/></w:rPr><w:t>world</w:t></w:r><w:bookmarkEnd w:id=\"1\"/>"
        "<w:r><w:t>!</w:t></w:r></w:p>";
    _Document doc = open(body);
    EXPECT_EQ(bookmarkText(doc, L"Who"), L"big world");
    replaceBookmark(app, doc, L"Who", L"there");
    EXPECT_EQ(textOf(doc), L"Hello there!");
    EXPECT_EQ(Selection(app.GetSelection()).GetText(), L"there");
    EXPECT_FALSE(Bookmarks(doc.GetBookmarks()).Exists(L"Who")); // as Word does
}

TEST_F(WordTest, ReplacingAcrossParagraphsMergesThem) {
    const std::string body = "<w:p><w:r><w:t>one </w:t></w:r><w:bookmarkStart w:id=\"1\" "
                             "w:name=\"Span\"/><w:r><w:t>two</w:t></w:r></w:p><w:p><w:r><w:t>"
                             "three</w:t></w:r><w:bookmarkEnd w:id=\"1\"/><w:r><w:t> four"
                             "</w:t></w:r></w:p>" +
                             para("five", "Outer", 2);
    _Document doc = open(body);
    EXPECT_EQ(bookmarkText(doc, L"Span"), L"two\rthree");
    replaceBookmark(app, doc, L"Span", L"2-3");
    EXPECT_EQ(textOf(doc), L"one 2-3 four\rfive");
    EXPECT_EQ(bookmarkText(doc, L"Outer"), L"five");
}

TEST_F(WordTest, EmptyBookmarkStaysInFrontOfTheNewText) {
    _Document doc = open("<w:p><w:r><w:t xml:space=\"preserve\">Name: </w:t></w:r>"
                         "<w:bookmarkStart w:id=\"1\" w:name=\"Name\"/><w:bookmarkEnd w:id=\"1\"/>"
                         "</w:p>");
    replaceBookmark(app, doc, L"Name", L"W1");
    EXPECT_EQ(textOf(doc), L"Name: W1");
    EXPECT_EQ(bookmarkText(doc, L"Name"), L"");
}

TEST_F(WordTest, TableAtAMidParagraphRangeSplitsTheParagraph) {
    _Document doc = open("<w:p><w:r><w:t>ab</w:t></w:r><w:bookmarkStart w:id=\"1\" "
                         "w:name=\"Here\"/><w:bookmarkEnd w:id=\"1\"/><w:r><w:t>cd</w:t></w:r>"
                         "</w:p>");
    Bookmarks marks(doc.GetBookmarks());
    VARIANT v = nameVariant(L"Here");
    Bookmark mark(marks.Item(&v));
    VariantClear(&v);
    Range range(mark.GetRange());
    Tables tables(doc.GetTables());
    _Table table(tables.Add(range.m_lpDispatch, 2, 3));
    EXPECT_EQ(tables.GetCount(), 1);
    EXPECT_EQ(table.GetRowCount(), 2);
    EXPECT_EQ(table.GetColumnCount(), 3);
    Range(Cell(table.Cell(2, 3)).GetRange()).SetText(L"x");
    // ab, then 2 rows of 3 cells (a paragraph mark each), then cd.
    EXPECT_EQ(std::wstring(textOf(doc)), L"ab\r\r\r\r\r\rx\rcd");
}

TEST_F(WordTest, ErrorsComeAsWordRaisesThem) {
    CString text;
    EXPECT_EQ(wordError([&] { Selection(app.GetSelection()); }, &text), 4248);
    EXPECT_EQ(text, L"This command is not available because no document is open.");
    _Document doc = open(para("x", "Only", 1));
    Bookmarks marks(doc.GetBookmarks());
    VARIANT missing = nameVariant(L"Nope"), zero = indexVariant(0), two = indexVariant(2);
    for (VARIANT* v : {&missing, &zero, &two})
        EXPECT_EQ(wordError([&] { Bookmark(marks.Item(v)); }, &text), 5941);
    EXPECT_EQ(text, L"The requested member of the collection does not exist.");
    VariantClear(&missing);
    Tables tables(doc.GetTables());
    Range all(doc.GetContent());
    EXPECT_EQ(wordError([&] { _Table(tables.Add(all.m_lpDispatch, 0, 2)); }), 4608);
    _Table t(tables.Add(all.m_lpDispatch, 1, 1));
    EXPECT_EQ(wordError([&] { Cell(t.Cell(2, 1)); }), 5941);
}

TEST_F(WordTest, MalformedTemplatesAreRefusedWithoutACrash) {
    TestTemplate good("good.dotx", para("x"));
    const std::string bytes = fileBytes(good.path());
    struct Case {
        const char* name;
        std::string content;
    } cases[] = {
        {"not a zip", "plain text, not a package"},
        {"truncated", bytes.substr(0, bytes.size() / 2)},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        const std::string path = tempPath("bad.dotx");
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(c.content.data(), 1, c.content.size(), f);
        std::fclose(f);
        VARIANT v = nameVariant(std::wstring(path.begin(), path.end()).c_str());
        EXPECT_EQ(wordError([&] { _Document(docs.Add(&v, nullptr)); }), 5792) << c.name;
        VariantClear(&v);
        std::remove(path.c_str());
    }
    TestTemplate broken("broken.dotx", "<w:p><w:r><w:t>unclosed</w:r></w:p>");
    VARIANT v = nameVariant(broken.widePath().c_str());
    EXPECT_EQ(wordError([&] { _Document(docs.Add(&v, nullptr)); }), 5792);
    VariantClear(&v);
    v = nameVariant(L"/nonexistent/template.dotx");
    EXPECT_EQ(wordError([&] { _Document(docs.Add(&v, nullptr)); }), 5174);
    VariantClear(&v);
    EXPECT_EQ(docs.GetCount(), 0);
}

TEST_F(WordTest, SaveAsKeepsThePartsAndNeverWritesOverTheTemplate) {
    TestTemplate t("keep.dotx", para("body"));
    VARIANT path = nameVariant(t.widePath().c_str());
    _Document doc(docs.Add(&path, nullptr));
    const std::string before = fileBytes(t.path());
    EXPECT_EQ(wordError([&] { doc.SaveAs(&path); }), 5356);
    EXPECT_EQ(fileBytes(t.path()), before);
    VariantClear(&path);
    const std::string out = tempPath("saved.docx");
    VARIANT file = nameVariant(std::wstring(out.begin(), out.end()).c_str());
    doc.SaveAs(&file);
    VariantClear(&file);
    const std::string saved = fileBytes(out);
    EXPECT_NE(saved.find("word/footer1.xml"), std::string::npos);
    EXPECT_NE(saved.find("[Content_Types].xml"), std::string::npos);
    EXPECT_NE(documentXml(out).find("body"), std::string::npos);
    std::remove(out.c_str());
    VARIANT nowhere = nameVariant(L"/nonexistent/dir/out.docx");
    EXPECT_EQ(wordError([&] { doc.SaveAs(&nowhere); }), 5152);
    VariantClear(&nowhere);
}

TEST_F(WordTest, AFailedCallIsAnOleExceptionAndLeaksNothing) {
    _Document doc = open(para("x", "Mark", 1));
    hxhost::failNext(hxhost::kFaultInvoke);
    try {
        Bookmarks(doc.GetBookmarks());
        ADD_FAILURE() << "no exception";
    } catch (COleException* e) {
        EXPECT_EQ(e->m_sc, RPC_E_DISCONNECTED);
        e->Delete();
    }
    EXPECT_EQ(hxhost::outstanding(hxhost::Resource::Bstr), 0);
}

TEST_F(WordTest, WordEndsWithItsLastReference) {
    hxhost::clearWordReleases();
    {
        _Document doc = open(para("x"));
        VARIANT keep;
        VariantInit(&keep);
        keep.vt = VT_BOOL;
        doc.Close(&keep);
        EXPECT_EQ(wordError([&] { doc.GetName(); }), 5825);
    }
    docs.ReleaseDispatch();
    app.ReleaseDispatch();
    const std::vector<std::string> released = hxhost::wordReleases();
    ASSERT_GE(released.size(), 2u);
    EXPECT_EQ(released.back(), "Application");
    EXPECT_EQ(hxhost::outstanding(hxhost::Resource::Dispatch), 0);
}

} // namespace
