// Format conventions shared by CString::Format and acutPrintf: wide %s/%c,
// narrow %S/%C through the ANSI code page, the Windows integer sizes, and
// directives that degrade without taking arguments. The forms the module
// prints numbers with (%ld, %g, %0.Nf) are pinned by tests/util.
#include "HostTest.h"
#include "acutads.h"
#include "afx.h"
#include "hxhost/Session.h"

#include <cstdint>

namespace {

class FormatTest : public HostTest {};

CString fmt(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    CString s;
    s.FormatV(format, args);
    va_end(args);
    return s;
}

struct FormatCase {
    CString actual;
    const wchar_t* expected;
};

// Checks each row; a failure names the row by its index.
template <std::size_t N> void expectAll(const FormatCase (&cases)[N]) {
    for (std::size_t row = 0; row < N; ++row)
        EXPECT_STREQ(cases[row].actual.GetString(), cases[row].expected) << "row " << row;
}

} // namespace

TEST_F(FormatTest, TextConversionsFollowTheWideConventions) {
    const wchar_t* const noWide = nullptr;
    const char* const noNarrow = nullptr;
    const FormatCase cases[] = {
        {fmt(L"[%s]", L"管道"), L"[管道]"},    {fmt(L"[%S]", "\xD6\xD0\xCE\xC4"), L"[中文]"},
        {fmt(L"[%hs]", "ab"), L"[ab]"},        {fmt(L"[%c]", L'井'), L"[井]"},
        {fmt(L"[%C]", 'x'), L"[x]"},           {fmt(L"[%s]", noWide), L"[(null)]"},
        {fmt(L"[%S]", noNarrow), L"[(null)]"}, {fmt(L"[%-5s]", L"ab"), L"[ab   ]"},
        {fmt(L"[%.2s]", L"abcd"), L"[ab]"},    {fmt(L"100%%"), L"100%"}};
    expectAll(cases);
    ASSERT_TRUE(hxhost::setAnsiCodePage(1252)); // narrow arguments follow the ANSI code page
    const FormatCase narrow[] = {{fmt(L"%S", "caf\xE9"), L"caf\u00e9"}};
    expectAll(narrow);
}

TEST_F(FormatTest, WindowsIntegerSizesPointersAndFloats) {
    const FormatCase cases[] = {
        {fmt(L"%I32d", -5), L"-5"},
        {fmt(L"%hd", 65537), L"1"},
        {fmt(L"%I64d", std::int64_t(9000000000LL)), L"9000000000"},
        {fmt(L"%Iu", std::size_t(77)), L"77"},
        {fmt(L"[%05d]", -42), L"[-0042]"},
        {fmt(L"%.2E", 0.00012), L"1.20E-04"},
        {fmt(L"%p", reinterpret_cast<void*>(0x12FF7C)), L"000000000012FF7C"}};
    expectAll(cases);
}

TEST_F(FormatTest, OddDirectivesDegradeWithoutTakingArguments) {
    int written = 0;
    const FormatCase cases[] = {{fmt(L"%y|%d", 5), L"%y|5"}, // unknown letter kept
                                {fmt(L"50%"), L"50%"},       // trailing percent
                                {fmt(L"a%nb%d", &written, 3), L"ab3"},
                                {fmt(nullptr), L""}};
    expectAll(cases);
    EXPECT_EQ(written, 0); // %n writes nothing
}

TEST_F(FormatTest, CStringArgumentsPassAsTheirTextAndAppendFormatAdds) {
    CString s(L"J");
    s.AppendFormat(L"%d", 7);
    s.AppendFormat(L"[%-4s|%.1s]", CString(L"3"), CString(L"管道"));
    EXPECT_STREQ(s.GetString(), L"J7[3   |管]");
}

TEST_F(FormatTest, AcutPrintfCapturesTheCommandLine) {
    EXPECT_EQ(acutPrintf(L"\n错误代码: %d, %s", 3, L"管道重叠"), RTNORM);
    EXPECT_EQ(hxhost::commandLine(), L"\n错误代码: 3, 管道重叠");
    EXPECT_EQ(acutPrintf(nullptr), RTERROR);
    hxhost::resetEditor();
    EXPECT_EQ(hxhost::commandLine(), L"");
}
