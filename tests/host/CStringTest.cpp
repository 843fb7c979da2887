// CString: construction (narrow text through the ANSI code page), clamping
// of the extraction members, search, editing, buffers and operators.
#include "HostTest.h"
#include "afx.h"
#include "hxhost/Session.h"

#include <stdexcept>

namespace {

class CStringTest : public HostTest {};

struct TextCase {
    CString actual;
    const wchar_t* expected;
};

// Checks each row; a failure names the row by its index.
template <std::size_t N> void expectAll(const TextCase (&cases)[N]) {
    for (std::size_t row = 0; row < N; ++row)
        EXPECT_STREQ(cases[row].actual.GetString(), cases[row].expected) << "row " << row;
}

const wchar_t* const kNoWide = nullptr;
const char* const kNoNarrow = nullptr;

} // namespace

TEST_F(CStringTest, ConstructsFromWideNarrowAndRepeatedText) {
    const TextCase cases[] = {{CString(), L""},
                              {CString(kNoWide), L""},
                              {CString(L"管道节点", 2), L"管道"},
                              {CString(L"abc", -1), L""},
                              {CString("\xD6\xD0\xCE\xC4"), L"中文"},
                              {CString("\xD6\xD0\xCE\xC4", 2), L"中"},
                              {CString(kNoNarrow), L""},
                              {CString(L'-', 3), L"---"},
                              {CString(L'-', 0), L""}};
    expectAll(cases);
    ASSERT_TRUE(hxhost::setAnsiCodePage(1252)); // narrow text follows the ANSI code page
    CString s("caf\xE9");
    EXPECT_STREQ(s.GetString(), L"caf\u00e9");
    s = "\x80";
    s += " ok";
    EXPECT_STREQ(s.GetString(), L"\u20ac ok");
}

TEST_F(CStringTest, ExtractionClampsOutOfRangeArguments) {
    const CString s(L"J12-7");
    const TextCase cases[] = {
        {s.Left(2), L"J1"},    {s.Left(-1), L""},     {s.Left(99), L"J12-7"}, {s.Mid(3), L"-7"},
        {s.Mid(-2), L"J12-7"}, {s.Mid(5), L""},       {s.Mid(9), L""},        {s.Mid(1, 2), L"12"},
        {s.Mid(3, 99), L"-7"}, {s.Mid(-1, 2), L"J1"}, {s.Mid(1, -1), L""},    {s.Right(1), L"7"},
        {s.Right(0), L""},     {s.Right(-3), L""},    {s.Right(99), L"J12-7"}};
    EXPECT_STREQ(s.SpanIncluding(L"J1").GetString(), L"J1");
    EXPECT_STREQ(s.SpanExcluding(L"-").GetString(), L"J12");
    expectAll(cases);
}

TEST_F(CStringTest, FindReportsPositionsOrMinusOne) {
    const CString s(L"a,b,,c");
    struct Case {
        int actual;
        int expected;
    };
    const Case cases[] = {
        {s.Find(L','), 1},         {s.Find(L',', 2), 3},    {s.Find(L'x'), -1},
        {s.Find(L",,"), 3},        {s.Find(L",,", 4), -1},  {s.Find(L"", 6), 6},
        {s.Find(L',', 7), -1},     {s.Find(L'a', -4), 0},   {s.ReverseFind(L','), 4},
        {s.ReverseFind(L'x'), -1}, {s.FindOneOf(L"cb"), 2}, {s.Find(kNoWide), -1}};
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected) << "row " << (&c - cases);
}

TEST_F(CStringTest, EditingMembersReturnCountsAndLengths) {
    CString s(L"aXbXXc");
    EXPECT_EQ(s.Replace(L"X", L"--"), 3);
    EXPECT_STREQ(s.GetString(), L"a--b----c");
    EXPECT_EQ(s.Replace(L"", L"z"), 0);
    EXPECT_EQ(s.Replace(L"--", nullptr), 3);
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
    const TextCase cases[] = {{s.MakeLower(), L"bc"},
                              {s.MakeUpper(), L"BC"},
                              {s.MakeReverse(), L"CB"},
                              {CString(L"管a").MakeUpper(), L"管A"},
                              {CString(L" \t x y \n").Trim(), L"x y"},
                              {CString(L"  x ").TrimLeft(), L"x "},
                              {CString(L"  x ").TrimRight(), L"  x"},
                              {CString(L"00100").Trim(L'0'), L"1"},
                              {CString(L"-+x+-").Trim(L"+-"), L"x"},
                              {CString(L"0012").TrimLeft(L"0"), L"12"},
                              {CString(L"1.500").TrimRight(L'0'), L"1.5"},
                              {CString(L"   ").Trim(), L""}};
    expectAll(cases);
}

TEST_F(CStringTest, TokenizeWalksTokensAndEndsAtMinusOne) {
    const CString s(L";a;;bc;");
    int pos = 0;
    for (auto [token, next] : {std::pair(L"a", 3), {L"bc", 7}, {L"", -1}, {L"", -1}}) {
        EXPECT_STREQ(s.Tokenize(L";", pos).GetString(), token);
        EXPECT_EQ(pos, next);
    }
    pos = 2;
    EXPECT_STREQ(s.Tokenize(L"", pos).GetString(), L";;bc;"); // no delimiters: the rest
    EXPECT_EQ(pos, 2);
}

TEST_F(CStringTest, ComparisonsAndConcatenationTakeEitherOperandKind) {
    const CString a(L"DN100");
    const CString b(L"DN200");
    EXPECT_TRUE(a == L"DN100" && L"DN100" == a && a != b && a != L"dn100" && L"DN200" != a);
    EXPECT_TRUE(a < b && a < L"DN2" && L"DN0" < a && !(b < a));
    EXPECT_EQ(a.Compare(L"DN100"), 0);
    EXPECT_EQ(a.Compare(L"DN1000"), -1);
    EXPECT_EQ(b.Compare(L"DN100"), 1);
    EXPECT_EQ(a.Compare(nullptr), 1);
    EXPECT_EQ(a.CompareNoCase(L"dn100"), 0);
    EXPECT_EQ(a.CompareNoCase(L"dn2"), -1);

    const CString s(L"J");
    const TextCase cases[] = {{s + CString(L"1"), L"J1"},
                              {s + L"12", L"J12"},
                              {L"W-" + s, L"W-J"},
                              {s + L'7', L"J7"},
                              {L'P' + s, L"PJ"}};
    expectAll(cases);
    CString t;
    t += s;
    t += L"-";
    t += L'9';
    t += kNoWide;
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
    wcscpy(s.GetBuffer(10), L"管道 DN100");
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 8);
    const CString copy = s; // copies are independent
    s.GetBuffer()[0] = L'水';
    s.ReleaseBuffer(3);
    EXPECT_STREQ(s.GetString(), L"水道 ");
    EXPECT_STREQ(copy.GetString(), L"管道 DN100");
    wchar_t* buffer = s.GetBufferSetLength(2);
    EXPECT_EQ(s.GetLength(), 2);
    buffer[1] = L'x';
    s.ReleaseBuffer(99); // clamped to the buffer
    const wchar_t* text = s;
    EXPECT_STREQ(text, L"水x");

    CString empty;
    EXPECT_EQ(empty.GetBuffer()[0], L'\0');
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());
}
