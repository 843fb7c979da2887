// Format conventions shared by CString::Format and acutPrintf: wide %s/%c,
// narrow %S/%C through the ANSI code page, integer sizes, floating forms,
// flags, widths and precisions.
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
        {fmt(L"[%hs]", "ab"), L"[ab]"},        {fmt(L"[%ls]", L"ab"), L"[ab]"},
        {fmt(L"[%ws]", L"ab"), L"[ab]"},       {fmt(L"[%c]", L'井'), L"[井]"},
        {fmt(L"[%C]", 'x'), L"[x]"},           {fmt(L"[%hc]", 'y'), L"[y]"},
        {fmt(L"[%lc]", L'池'), L"[池]"},       {fmt(L"[%s]", noWide), L"[(null)]"},
        {fmt(L"[%S]", noNarrow), L"[(null)]"}, {fmt(L"[%5s]", L"ab"), L"[   ab]"},
        {fmt(L"[%-5s]", L"ab"), L"[ab   ]"},   {fmt(L"[%.2s]", L"abcd"), L"[ab]"},
        {fmt(L"[%*s]", 4, L"ab"), L"[  ab]"},  {fmt(L"[%*s]", -4, L"ab"), L"[ab  ]"},
        {fmt(L"[%3c]", L'x'), L"[  x]"},       {fmt(L"100%%"), L"100%"}};
    expectAll(cases);
    ASSERT_TRUE(hxhost::setAnsiCodePage(1252)); // narrow arguments follow the ANSI code page
    const FormatCase narrow[] = {{fmt(L"%S", "caf\xE9"), L"caf\u00e9"},
                                 {fmt(L"%C", '\x80'), L"\u20ac"}};
    expectAll(narrow);
}

TEST_F(FormatTest, IntegersHonourSizesFlagsAndBases) {
    const struct {
        const wchar_t* format;
        int value;
        const wchar_t* expected;
    } ints[] = {{L"%d", -42, L"-42"},        {L"%i", 7, L"7"},
                {L"%x", 255, L"ff"},         {L"%X", 255, L"FF"},
                {L"%#x", 255, L"0xff"},      {L"%o", 8, L"10"},
                {L"%I32d", -5, L"-5"},       {L"%hd", 65537, L"1"},
                {L"%hhu", 257, L"1"},        {L"[%5d]", 42, L"[   42]"},
                {L"[%-5d]", 42, L"[42   ]"}, {L"[%05d]", -42, L"[-0042]"},
                {L"[%+d]", 42, L"[+42]"},    {L"[% d]", 42, L"[ 42]"},
                {L"[%.4d]", 42, L"[0042]"}};
    for (const auto& c : ints)
        EXPECT_STREQ(fmt(c.format, c.value).GetString(), c.expected) << c.format;
    const FormatCase cases[] = {{fmt(L"%u", 4000000000u), L"4000000000"},
                                {fmt(L"%ld", -123456789L), L"-123456789"},
                                {fmt(L"%lld", -9000000000LL), L"-9000000000"},
                                {fmt(L"%I64d", std::int64_t(9000000000LL)), L"9000000000"},
                                {fmt(L"%I64u", std::uint64_t(18000000000ULL)), L"18000000000"},
                                {fmt(L"%I64X", std::uint64_t(0xABCDEF012ULL)), L"ABCDEF012"},
                                {fmt(L"%Iu", std::size_t(77)), L"77"},
                                {fmt(L"%zu", std::size_t(78)), L"78"},
                                {fmt(L"[%*d]", 6, 42), L"[    42]"},
                                {fmt(L"[%.*d]", 3, 5), L"[005]"}};
    expectAll(cases);
}

TEST_F(FormatTest, FloatingPointAndPointerFormsMatchTheRuntime) {
    const struct {
        const wchar_t* format;
        double value;
        const wchar_t* expected;
    } reals[] = {{L"%f", 3.14159, L"3.141590"},
                 {L"%.2f", 3.14159, L"3.14"},
                 {L"%0.2f", 2.5, L"2.50"},
                 {L"%.0f", 2.5, L"2"},
                 {L"[%8.3f]", -1.5, L"[  -1.500]"},
                 {L"[%-8.1f]", 1.25, L"[1.2     ]"},
                 {L"%e", 12345.678, L"1.234568e+04"},
                 {L"%.2E", 0.00012, L"1.20E-04"},
                 {L"%g", 0.1, L"0.1"},
                 {L"%g", 1234567.0, L"1.23457e+06"},
                 {L"%G", 0.000001234, L"1.234E-06"},
                 {L"%lf", 1.0, L"1.000000"}};
    for (const auto& c : reals)
        EXPECT_STREQ(fmt(c.format, c.value).GetString(), c.expected) << c.format;
    const FormatCase cases[] = {
        {fmt(L"%.1Lf", 2.25L), L"2.2"},
        {fmt(L"%.*f", 1, 0.25), L"0.2"},
        // Pointers print as sixteen hex digits.
        {fmt(L"%p", reinterpret_cast<void*>(0x12FF7C)), L"000000000012FF7C"},
        {fmt(L"%p", static_cast<void*>(nullptr)), L"0000000000000000"},
        {fmt(L"[%18p]", reinterpret_cast<void*>(0xA)), L"[  000000000000000A]"}};
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
    const CString pipe(L"管道");
    CString count(L"3");
    CString s(L"J");
    s.AppendFormat(L"%d", 7);
    EXPECT_STREQ(s.GetString(), L"J7");
    s.Format(L"%s x%s %s", pipe, count, CString(L"段"));
    EXPECT_STREQ(s.GetString(), L"管道 x3 段");
    s.AppendFormat(L"[%-4s|%.1s]", count, pipe);
    EXPECT_STREQ(s.GetString(), L"管道 x3 段[3   |管]");
    s.Format(s); // the text as its own format: no directives left in it
    EXPECT_STREQ(s.GetString(), L"管道 x3 段[3   |管]");
}

TEST_F(FormatTest, AcutPrintfCapturesTheCommandLine) {
    EXPECT_EQ(acutPrintf(L"\n错误代码: %d, %s", 3, L"管道重叠"), RTNORM);
    EXPECT_EQ(acutPrintf(L" [%S]", "\xD6\xD0"), RTNORM);
    EXPECT_EQ(hxhost::commandLine(), L"\n错误代码: 3, 管道重叠 [中]");
    EXPECT_EQ(acutPrintf(nullptr), RTERROR);
    hxhost::clearCommandLine();
    EXPECT_EQ(hxhost::commandLine(), L"");
    acutPrintf(L"x");
    hxhost::resetEditor();
    EXPECT_EQ(hxhost::commandLine(), L"");
}
