// Wide/ANSI conversions: code pages, Windows buffer rules, replacement of
// unconvertible text, parameter errors; lstrlenW.
#include "HostTest.h"
#include "hxhost/Session.h"
#include "windows.h"

#include <string>

namespace {

class CodePageTest : public HostTest {};

// Converts the whole text (no terminator) and returns the bytes.
std::string toBytes(UINT cp, const std::wstring& text) {
    int n =
        WideCharToMultiByte(cp, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(std::size_t(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(cp, 0, text.c_str(), int(text.size()), &bytes[0], n, nullptr, nullptr);
    return bytes;
}

std::wstring toWide(UINT cp, const std::string& bytes) {
    int n = MultiByteToWideChar(cp, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring text(std::size_t(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(cp, 0, bytes.data(), int(bytes.size()), &text[0], n);
    return text;
}

struct CodePageCase {
    UINT codePage;
    const wchar_t* text;
    const char* bytes;
};

const CodePageCase kCodePages[] = {{936, L"中文", "\xD6\xD0\xCE\xC4"},
                                   {950, L"中文", "\xA4\xA4\xA4\xE5"},
                                   {1252, L"caf\u00e9 \u20ac", "caf\xE9 \x80"},
                                   {CP_UTF8, L"中文", "\xE4\xB8\xAD\xE6\x96\x87"}};

} // namespace

TEST_F(CodePageTest, EachCodePageConvertsByNumberAndAsTheAnsiCodePage) {
    EXPECT_EQ(GetACP(), 936u);
    for (const auto& c : kCodePages) {
        SCOPED_TRACE(c.codePage);
        EXPECT_EQ(toBytes(c.codePage, c.text), c.bytes);
        EXPECT_EQ(toWide(c.codePage, c.bytes), c.text);
        ASSERT_TRUE(hxhost::setAnsiCodePage(c.codePage));
        EXPECT_EQ(GetACP(), c.codePage);
        EXPECT_EQ(toBytes(CP_ACP, c.text), c.bytes);
        EXPECT_EQ(toWide(CP_ACP, c.bytes), c.text);
    }
    hxhost::resetEditor(); // back to 936
    EXPECT_EQ(GetACP(), 936u);
    for (unsigned cp : {12345u, unsigned(CP_ACP)})
        EXPECT_FALSE(hxhost::setAnsiCodePage(cp)) << cp;
    EXPECT_EQ(GetACP(), 936u);
}

TEST_F(CodePageTest, MinusOneCountsTheTerminatorAndZeroAsksForTheSize) {
    // "中文" is 4 bytes in GBK; with its terminator 5.
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"中文", -1, nullptr, 0, nullptr, nullptr), 5);
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"中文", 1, nullptr, 0, nullptr, nullptr), 2);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "\xD6\xD0\xCE\xC4", -1, nullptr, 0), 3);
    char bytes[5] = {'x', 'x', 'x', 'x', 'x'};
    // A buffer too small fails and writes nothing.
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"中文", -1, bytes, 4, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(std::string(bytes, 5), "xxxxx");
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, L"中文", -1, bytes, 5, nullptr, nullptr), 5);
    EXPECT_STREQ(bytes, "\xD6\xD0\xCE\xC4");
    wchar_t wide[3] = {L'x', L'x', L'x'};
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, bytes, -1, wide, 3), 3);
    EXPECT_STREQ(wide, L"中文");
}

TEST_F(CodePageTest, UnconvertibleTextBecomesDefaultOrReplacementCharacters) {
    const wchar_t lone[] = {L'a', wchar_t(0xD800), L'b', 0}; // a lone surrogate
    struct Case {
        UINT codePage;
        const wchar_t* text;
        const char* defaultChar;
        std::string bytes;
        BOOL used;
    };
    const Case cases[] = {{936, L"A中z", nullptr, "A\xD6\xD0z", FALSE},
                          {936, L"A\uD55Cz", nullptr, "A?z", TRUE}, // Hangul is not in GBK
                          {1252, L"x中y", nullptr, "x?y", TRUE},
                          {1252, L"\u4e2d\u6587", "*", "**", TRUE},
                          {CP_UTF8, lone, nullptr,
                           "a\xEF\xBF\xBD"
                           "b",
                           FALSE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        char bytes[8];
        BOOL used = 2;
        const BOOL* usedOut = c.codePage == CP_UTF8 ? nullptr : &used;
        const int n = WideCharToMultiByte(c.codePage, 0, c.text, int(wcslen(c.text)), bytes, 8,
                                          c.defaultChar, const_cast<BOOL*>(usedOut));
        EXPECT_EQ(std::string(bytes, std::size_t(n > 0 ? n : 0)), c.bytes);
        EXPECT_EQ(usedOut == nullptr || used == c.used, true);
    }
    // Bytes that decode to nothing become replacement characters.
    EXPECT_EQ(toWide(936, "A\xD6"), L"A?");           // lead byte without its trail byte
    EXPECT_EQ(toWide(936, "\xD6\xD0\xFFx"), L"中?x"); // a byte GBK never uses
    EXPECT_EQ(toWide(CP_UTF8, "a\xC3"), L"a\uFFFD");  // truncated sequence
}

TEST_F(CodePageTest, BadParametersFailWithInvalidParameter) {
    char bytes[8];
    wchar_t wide[8];
    auto toB = [](UINT cp, const wchar_t* text, int n, char* out, int size) {
        return WideCharToMultiByte(cp, 0, text, n, out, size, nullptr, nullptr);
    };
    auto toW = [](UINT cp, const char* text, int n, wchar_t* out, int size) {
        return MultiByteToWideChar(cp, 0, text, n, out, size);
    };
    struct Case {
        const char* what;
        int result;
    };
    const Case cases[] = {{"null wide input", toB(CP_ACP, nullptr, -1, bytes, 8)},
                          {"zero wide length", toB(CP_ACP, L"a", 0, bytes, 8)},
                          {"wide length -2", toB(CP_ACP, L"a", -2, bytes, 8)},
                          {"negative byte size", toB(CP_ACP, L"a", -1, bytes, -1)},
                          {"null byte buffer", toB(CP_ACP, L"a", -1, nullptr, 8)},
                          {"unknown code page", toB(12345, L"a", -1, bytes, 8)},
                          {"null byte input", toW(CP_ACP, nullptr, -1, wide, 8)},
                          {"null wide buffer", toW(CP_ACP, "a", -1, nullptr, 8)}};
    for (const auto& c : cases)
        EXPECT_EQ(c.result, 0) << c.what;
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(toW(CP_ACP, "a", 0, wide, 8), 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
}

TEST_F(CodePageTest, LstrlenCountsCharacters) {
    EXPECT_EQ(lstrlenW(nullptr), 0);
    EXPECT_EQ(lstrlenW(L"中文ab"), 4);
}
