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
    const char* what;
    CString actual;
    const wchar_t* expected;
};

void expectAll(std::initializer_list<FormatCase> cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_STREQ(c.actual.GetString(), c.expected);
    }
}

} // namespace

TEST_F(FormatTest, TextConversionsFollowTheWideConventions) {
    expectAll({
        {"%s is wide", fmt(L"[%s]", L"管道"), L"[管道]"},
        {"%S is narrow", fmt(L"[%S]", "\xD6\xD0\xCE\xC4"), L"[中文]"},
        {"%hs is narrow", fmt(L"[%hs]", "ab"), L"[ab]"},
        {"%ls is wide", fmt(L"[%ls]", L"ab"), L"[ab]"},
        {"%ws is wide", fmt(L"[%ws]", L"ab"), L"[ab]"},
        {"%c is wide", fmt(L"[%c]", L'井'), L"[井]"},
        {"%C is narrow", fmt(L"[%C]", 'x'), L"[x]"},
        {"%hc is narrow", fmt(L"[%hc]", 'y'), L"[y]"},
        {"%lc is wide", fmt(L"[%lc]", L'池'), L"[池]"},
        {"null string", fmt(L"[%s]", static_cast<const wchar_t*>(nullptr)), L"[(null)]"},
        {"null narrow", fmt(L"[%S]", static_cast<const char*>(nullptr)), L"[(null)]"},
        {"width", fmt(L"[%5s]", L"ab"), L"[   ab]"},
        {"left", fmt(L"[%-5s]", L"ab"), L"[ab   ]"},
        {"precision", fmt(L"[%.2s]", L"abcd"), L"[ab]"},
        {"star width", fmt(L"[%*s]", 4, L"ab"), L"[  ab]"},
        {"negative star", fmt(L"[%*s]", -4, L"ab"), L"[ab  ]"},
        {"char width", fmt(L"[%3c]", L'x'), L"[  x]"},
        {"percent", fmt(L"100%%"), L"100%"},
    });
}

TEST_F(FormatTest, NarrowArgumentsUseTheAnsiCodePage) {
    ASSERT_TRUE(hxhost::setAnsiCodePage(1252));
    expectAll({
        {"1252 string", fmt(L"%S", "caf\xE9"), L"caf\u00e9"},
        {"1252 char", fmt(L"%C", '\x80'), L"\u20ac"},
    });
}

TEST_F(FormatTest, IntegersHonourSizesFlagsAndBases) {
    expectAll({
        {"%d", fmt(L"%d", -42), L"-42"},
        {"%i", fmt(L"%i", 7), L"7"},
        {"%u", fmt(L"%u", 4000000000u), L"4000000000"},
        {"%x", fmt(L"%x", 255), L"ff"},
        {"%X", fmt(L"%X", 255), L"FF"},
        {"%#x", fmt(L"%#x", 255), L"0xff"},
        {"%o", fmt(L"%o", 8), L"10"},
        {"%ld", fmt(L"%ld", -123456789L), L"-123456789"},
        {"%lld", fmt(L"%lld", -9000000000LL), L"-9000000000"},
        {"%I64d", fmt(L"%I64d", std::int64_t(9000000000LL)), L"9000000000"},
        {"%I64u", fmt(L"%I64u", std::uint64_t(18000000000ULL)), L"18000000000"},
        {"%I64X", fmt(L"%I64X", std::uint64_t(0xABCDEF012ULL)), L"ABCDEF012"},
        {"%I32d", fmt(L"%I32d", -5), L"-5"},
        {"%Iu", fmt(L"%Iu", std::size_t(77)), L"77"},
        {"%zu", fmt(L"%zu", std::size_t(78)), L"78"},
        {"%hd truncates", fmt(L"%hd", 65537), L"1"},
        {"%hhu truncates", fmt(L"%hhu", 257), L"1"},
        {"width", fmt(L"[%5d]", 42), L"[   42]"},
        {"left", fmt(L"[%-5d]", 42), L"[42   ]"},
        {"zero pad", fmt(L"[%05d]", -42), L"[-0042]"},
        {"plus", fmt(L"[%+d]", 42), L"[+42]"},
        {"space", fmt(L"[% d]", 42), L"[ 42]"},
        {"precision", fmt(L"[%.4d]", 42), L"[0042]"},
        {"star width", fmt(L"[%*d]", 6, 42), L"[    42]"},
        {"star precision", fmt(L"[%.*d]", 3, 5), L"[005]"},
    });
}

TEST_F(FormatTest, FloatingPointFormsMatchTheRuntime) {
    expectAll({
        {"%f", fmt(L"%f", 3.14159), L"3.141590"},
        {"%.2f", fmt(L"%.2f", 3.14159), L"3.14"},
        {"%0.2f", fmt(L"%0.2f", 2.5), L"2.50"},
        {"%.0f", fmt(L"%.0f", 2.5), L"2"},
        {"%8.3f", fmt(L"[%8.3f]", -1.5), L"[  -1.500]"},
        {"%-8.1f", fmt(L"[%-8.1f]", 1.25), L"[1.2     ]"},
        {"%e", fmt(L"%e", 12345.678), L"1.234568e+04"},
        {"%E", fmt(L"%.2E", 0.00012), L"1.20E-04"},
        {"%g small", fmt(L"%g", 0.1), L"0.1"},
        {"%g large", fmt(L"%g", 1234567.0), L"1.23457e+06"},
        {"%G", fmt(L"%G", 0.000001234), L"1.234E-06"},
        {"%lf", fmt(L"%lf", 1.0), L"1.000000"},
        {"%Lf", fmt(L"%.1Lf", 2.25L), L"2.2"},
        {"star precision", fmt(L"%.*f", 1, 0.25), L"0.2"},
    });
}

TEST_F(FormatTest, PointersPrintAsSixteenHexDigits) {
    expectAll({
        {"%p", fmt(L"%p", reinterpret_cast<void*>(0x12FF7C)), L"000000000012FF7C"},
        {"null", fmt(L"%p", static_cast<void*>(nullptr)), L"0000000000000000"},
        {"width", fmt(L"[%18p]", reinterpret_cast<void*>(0xA)), L"[  000000000000000A]"},
    });
}

TEST_F(FormatTest, OddDirectivesDegradeWithoutTakingArguments) {
    int written = 0;
    expectAll({
        {"unknown letter kept", fmt(L"%y|%d", 5), L"%y|5"},
        {"trailing percent", fmt(L"50%"), L"50%"},
        {"%n writes nothing", fmt(L"a%nb%d", &written, 3), L"ab3"},
        {"null format", fmt(nullptr), L""},
    });
    EXPECT_EQ(written, 0);
}

TEST_F(FormatTest, AppendFormatAddsToTheText) {
    CString s(L"J");
    s.AppendFormat(L"%d", 7);
    s.AppendFormat(L"-%s", L"a");
    EXPECT_STREQ(s.GetString(), L"J7-a");
    s.Format(L"%d", 1);
    EXPECT_STREQ(s.GetString(), L"1");
}

TEST_F(FormatTest, CStringArgumentsPassAsTheirText) {
    const CString pipe(L"管道");
    CString count(L"3");
    CString s;
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
