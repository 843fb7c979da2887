// CString: construction (narrow text through the ANSI code page), clamping
// of the extraction members, search, editing, buffers and operators.
#include "HostTest.h"
#include "afx.h"
#include "hxhost/Session.h"

#include <stdexcept>

namespace {

class CStringTest : public HostTest {};

struct TextCase {
    const char* what;
    CString actual;
    const wchar_t* expected;
};

void expectAll(const TextCase* begin, const TextCase* end) {
    for (const TextCase* c = begin; c != end; ++c) {
        SCOPED_TRACE(c->what);
        EXPECT_STREQ(c->actual.GetString(), c->expected);
    }
}

template <std::size_t N> void expectAll(const TextCase (&cases)[N]) {
    expectAll(cases, cases + N);
}

} // namespace

TEST_F(CStringTest, ConstructsFromWideNarrowAndRepeatedText) {
    const TextCase cases[] = {
        {"default", CString(), L""},
        {"null wide", CString(static_cast<const wchar_t*>(nullptr)), L""},
        {"wide", CString(L"管道"), L"管道"},
        {"wide prefix", CString(L"管道节点", 2), L"管道"},
        {"negative length", CString(L"abc", -1), L""},
        {"narrow GBK", CString("\xD6\xD0\xCE\xC4"), L"中文"},
        {"narrow prefix", CString("\xD6\xD0\xCE\xC4", 2), L"中"},
        {"null narrow", CString(static_cast<const char*>(nullptr)), L""},
        {"repeated", CString(L'-', 3), L"---"},
        {"repeated zero times", CString(L'-', 0), L""},
    };
    expectAll(cases);
}

TEST_F(CStringTest, NarrowTextFollowsTheAnsiCodePage) {
    ASSERT_TRUE(hxhost::setAnsiCodePage(1252));
    EXPECT_STREQ(CString("caf\xE9").GetString(), L"caf\u00e9");
    CString s;
    s = "\x80";
    EXPECT_STREQ(s.GetString(), L"\u20ac");
    s += " ok";
    EXPECT_STREQ(s.GetString(), L"\u20ac ok");
}

TEST_F(CStringTest, ExtractionClampsOutOfRangeArguments) {
    const CString s(L"J12-7");
    const TextCase cases[] = {
        {"Left 2", s.Left(2), L"J1"},
        {"Left -1", s.Left(-1), L""},
        {"Left 99", s.Left(99), L"J12-7"},
        {"Mid 3", s.Mid(3), L"-7"},
        {"Mid -2", s.Mid(-2), L"J12-7"},
        {"Mid 5", s.Mid(5), L""},
        {"Mid 9", s.Mid(9), L""},
        {"Mid 1,2", s.Mid(1, 2), L"12"},
        {"Mid 3,99", s.Mid(3, 99), L"-7"},
        {"Mid -1,2", s.Mid(-1, 2), L"J1"},
        {"Mid 1,-1", s.Mid(1, -1), L""},
        {"Right 1", s.Right(1), L"7"},
        {"Right 0", s.Right(0), L""},
        {"Right -3", s.Right(-3), L""},
        {"Right 99", s.Right(99), L"J12-7"},
        {"SpanIncluding", s.SpanIncluding(L"J1"), L"J1"},
        {"SpanExcluding", s.SpanExcluding(L"-"), L"J12"},
    };
    expectAll(cases);
}

TEST_F(CStringTest, FindReportsPositionsOrMinusOne) {
    const CString s(L"a,b,,c");
    struct Case {
        const char* what;
        int actual;
        int expected;
    };
    const Case cases[] = {
        {"char", s.Find(L','), 1},
        {"char from 2", s.Find(L',', 2), 3},
        {"char missing", s.Find(L'x'), -1},
        {"string", s.Find(L",,"), 3},
        {"string from after", s.Find(L",,", 4), -1},
        {"start at end", s.Find(L"", 6), 6},
        {"start past end", s.Find(L',', 7), -1},
        {"negative start", s.Find(L'a', -4), 0},
        {"null needle", s.Find(static_cast<const wchar_t*>(nullptr)), -1},
        {"reverse", s.ReverseFind(L','), 4},
        {"reverse missing", s.ReverseFind(L'x'), -1},
        {"one of", s.FindOneOf(L"cb"), 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.actual, c.expected);
    }
}

TEST_F(CStringTest, EditingMembersReturnCountsAndLengths) {
    CString s(L"aXbXXc");
    EXPECT_EQ(s.Replace(L"X", L"--"), 3);
    EXPECT_STREQ(s.GetString(), L"a--b----c");
    EXPECT_EQ(s.Replace(L"", L"z"), 0);
    EXPECT_EQ(s.Replace(L"--", nullptr), 3);
    EXPECT_STREQ(s.GetString(), L"abc");
    EXPECT_EQ(s.Replace(L'b', L'B'), 1);
    EXPECT_EQ(s.Insert(1, L"12"), 5);
    EXPECT_EQ(s.Insert(99, L'!'), 6);
    EXPECT_EQ(s.Insert(-5, L'<'), 7);
    EXPECT_STREQ(s.GetString(), L"<a12Bc!");
    EXPECT_EQ(s.Delete(1, 3), 4);
    EXPECT_EQ(s.Delete(3, 99), 3);
    EXPECT_EQ(s.Delete(9), 3);
    EXPECT_EQ(s.Delete(0, 0), 3);
    EXPECT_STREQ(s.GetString(), L"<Bc");
    EXPECT_EQ(s.Remove(L'<'), 1);
    EXPECT_EQ(s.Remove(L'<'), 0);
    EXPECT_STREQ(s.MakeLower().GetString(), L"bc");
    EXPECT_STREQ(s.MakeUpper().GetString(), L"BC");
    EXPECT_STREQ(CString(L"管a").MakeUpper().GetString(), L"管A");
    EXPECT_STREQ(s.MakeReverse().GetString(), L"CB");
}

TEST_F(CStringTest, TrimRemovesWhiteSpaceOrTheGivenCharacters) {
    const TextCase cases[] = {
        {"Trim", CString(L" \t x y \n").Trim(), L"x y"},
        {"TrimLeft", CString(L"  x ").TrimLeft(), L"x "},
        {"TrimRight", CString(L"  x ").TrimRight(), L"  x"},
        {"Trim char", CString(L"00100").Trim(L'0'), L"1"},
        {"Trim set", CString(L"-+x+-").Trim(L"+-"), L"x"},
        {"TrimLeft set", CString(L"0012").TrimLeft(L"0"), L"12"},
        {"TrimRight char", CString(L"1.500").TrimRight(L'0'), L"1.5"},
        {"all trimmed", CString(L"   ").Trim(), L""},
    };
    expectAll(cases);
}

TEST_F(CStringTest, TokenizeWalksTokensAndEndsAtMinusOne) {
    const CString s(L";a;;bc;");
    int pos = 0;
    EXPECT_STREQ(s.Tokenize(L";", pos).GetString(), L"a");
    EXPECT_EQ(pos, 3);
    EXPECT_STREQ(s.Tokenize(L";", pos).GetString(), L"bc");
    EXPECT_EQ(pos, 7);
    EXPECT_STREQ(s.Tokenize(L";", pos).GetString(), L"");
    EXPECT_EQ(pos, -1);
    EXPECT_STREQ(s.Tokenize(L";", pos).GetString(), L"");
    EXPECT_EQ(pos, -1);

    pos = 2;
    EXPECT_STREQ(s.Tokenize(L"", pos).GetString(), L";;bc;"); // no delimiters: the rest
    EXPECT_EQ(pos, 2);
}

TEST_F(CStringTest, ComparisonsWorkWithStringsAndPointersOnEitherSide) {
    const CString a(L"DN100");
    const CString b(L"DN200");
    EXPECT_TRUE(a == L"DN100");
    EXPECT_TRUE(L"DN100" == a);
    EXPECT_TRUE(a != b);
    EXPECT_TRUE(a != L"dn100");
    EXPECT_TRUE(L"DN200" != a);
    EXPECT_TRUE(a < b);
    EXPECT_TRUE(a < L"DN2");
    EXPECT_TRUE(L"DN0" < a);
    EXPECT_FALSE(b < a);
    EXPECT_EQ(a.Compare(L"DN100"), 0);
    EXPECT_EQ(a.Compare(L"DN1000"), -1);
    EXPECT_EQ(b.Compare(L"DN100"), 1);
    EXPECT_EQ(a.Compare(nullptr), 1);
    EXPECT_EQ(a.CompareNoCase(L"dn100"), 0);
    EXPECT_EQ(a.CompareNoCase(L"dn2"), -1);
}

TEST_F(CStringTest, ConcatenationCombinesEveryOperandKind) {
    const CString s(L"J");
    const TextCase cases[] = {
        {"string + string", s + CString(L"1"), L"J1"},
        {"string + pointer", s + L"12", L"J12"},
        {"pointer + string", L"W-" + s, L"W-J"},
        {"string + char", s + L'7', L"J7"},
        {"char + string", L'P' + s, L"PJ"},
    };
    expectAll(cases);

    CString t;
    t += s;
    t += L"-";
    t += L'9';
    t += static_cast<const wchar_t*>(nullptr);
    EXPECT_STREQ(t.GetString(), L"J-9");
}

TEST_F(CStringTest, IndexingOutsideTheTextThrows) {
    CString s(L"ab");
    EXPECT_EQ(s[1], L'b');
    s.SetAt(0, L'X');
    EXPECT_EQ(s.GetAt(0), L'X');
    EXPECT_THROW(s.GetAt(2), std::out_of_range);
    EXPECT_THROW(s.GetAt(-1), std::out_of_range);
    EXPECT_THROW(s.SetAt(2, L'c'), std::out_of_range);
    EXPECT_THROW(CString().GetAt(0), std::out_of_range);
}

TEST_F(CStringTest, BuffersTakeTheirLengthFromReleaseBuffer) {
    CString s(L"old");
    wchar_t* buffer = s.GetBuffer(10);
    wcscpy(buffer, L"管道 DN100");
    s.ReleaseBuffer();
    EXPECT_STREQ(s.GetString(), L"管道 DN100");
    EXPECT_EQ(s.GetLength(), 8);

    buffer = s.GetBuffer();
    buffer[0] = L'水';
    s.ReleaseBuffer(3);
    EXPECT_STREQ(s.GetString(), L"水道 ");

    buffer = s.GetBufferSetLength(2);
    EXPECT_EQ(s.GetLength(), 2);
    buffer[1] = L'x';
    s.ReleaseBuffer(99); // clamped to the buffer
    EXPECT_STREQ(s.GetString(), L"水x");

    CString empty;
    EXPECT_EQ(empty.GetBuffer()[0], L'\0');
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());
}

TEST_F(CStringTest, CopiesAreIndependent) {
    CString a(L"x");
    CString b = a;
    b += L"y";
    a.Empty();
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_STREQ(b.GetString(), L"xy");
    const wchar_t* p = b;
    EXPECT_STREQ(p, L"xy");
}
