// CString: construction (narrow text through the ANSI code page), clamping
// of the extraction members, comparison and concatenation, and indexing.
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
    const TextCase cases[] = {{CString(kNoWide), L""},    {CString(L"管道节点", 2), L"管道"},
                              {CString(L"abc", -1), L""}, {CString("\xD6\xD0\xCE\xC4"), L"中文"},
                              {CString(kNoNarrow), L""},  {CString(L'-', 3), L"---"}};
    expectAll(cases);
    ASSERT_TRUE(hxhost::setAnsiCodePage(1252)); // narrow text follows the ANSI code page
    CString s("caf\xE9");
    EXPECT_STREQ(s.GetString(), L"caf\u00e9");
}

TEST_F(CStringTest, ExtractionClampsOutOfRangeArguments) {
    const CString s(L"J12-7");
    const TextCase cases[] = {{s.Left(2), L"J1"},    {s.Left(-1), L""}, {s.Left(99), L"J12-7"},
                              {s.Mid(-2), L"J12-7"}, {s.Mid(9), L""},   {s.Mid(3, 99), L"-7"},
                              {s.Right(-3), L""},    {s.Right(1), L"7"}};
    expectAll(cases);
}

TEST_F(CStringTest, ComparisonsAndConcatenationTakeEitherOperandKind) {
    const CString a(L"DN100");
    const CString b(L"DN200");
    EXPECT_TRUE(a == L"DN100" && L"DN100" == a && a != b && a != L"dn100");
    EXPECT_TRUE(a < b && a < L"DN2" && !(b < a));
    EXPECT_EQ(a.Compare(L"DN1000"), -1);
    EXPECT_EQ(a.Compare(nullptr), 1);

    const CString s(L"J");
    const TextCase cases[] = {
        {s + L"12", L"J12"}, {L"W-" + s, L"W-J"}, {s + L'7', L"J7"}, {L'P' + s, L"PJ"}};
    expectAll(cases);
    CString t;
    t += s;
    t += L'9';
    t += kNoWide;
    EXPECT_STREQ(t.GetString(), L"J9");
}

TEST_F(CStringTest, IndexingOutsideTheTextThrows) {
    CString s(L"ab");
    EXPECT_EQ(s.GetAt(1), L'b');
    EXPECT_THROW(s.GetAt(2), std::out_of_range);
    EXPECT_THROW(s.GetAt(-1), std::out_of_range);
    EXPECT_THROW(CString().GetAt(0), std::out_of_range);
}
