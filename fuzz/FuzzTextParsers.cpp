// Fuzz harness: the text parsers that take what users and drawings type: the
// host's distance parser (acdbDisToF) and integer parser (_wtoi), the ANSI
// code page conversions in both directions, and the module's positive-integer
// test and index-label functions. The input's first byte picks the distance
// unit; the rest splits at the first newline into two labels.
#include "FuzzSupport.h"

#include "HxWtNumUtil.h"
#include "acdbads.h"
#include "tchar.h"
#include "windows.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

void parseDistance(const std::wstring& text, uint8_t unitByte) {
    const int units[] = {-1, 1, 2, 0, 3};
    ads_real value = 0.0;
    acdbDisToF(text.c_str(), units[unitByte % 5], &value);
}

// The bytes through the ANSI code page to wide text and back again.
void convertCodePage(const uint8_t* data, size_t size) {
    const auto* multi = reinterpret_cast<const char*>(data);
    const int n = static_cast<int>(size);
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, multi, n, nullptr, 0);
    if (wideLength <= 0)
        return;
    std::vector<wchar_t> wide(static_cast<size_t>(wideLength));
    if (MultiByteToWideChar(CP_ACP, 0, multi, n, wide.data(), wideLength) != wideLength)
        std::abort();
    const int back =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::vector<char> narrow(static_cast<size_t>(back > 0 ? back : 1));
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, narrow.data(), back, nullptr, nullptr);
}

void indexLabels(const std::wstring& first, const std::wstring& second) {
    const CString a(first.c_str()), b(second.c_str());
    const bool positive = IsPositiveIntNumber(a);
    if (positive && (first.empty() || first[0] == L'0'))
        std::abort(); // empty and leading-zero texts are never positive
    const CString next = HxWtIncreaseIndex(a);
    if (a.IsEmpty() != next.IsEmpty())
        std::abort(); // only the empty label has an empty successor
    if (HxWtIsFirstIndexStrBigger(a, a))
        std::abort(); // equal keys are never bigger
    HxWtIsFirstIndexStrBigger(a, b);
    HxWtIsFirstIndexStrBigger(next, a);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::wstring text = hxfuzz::wideFromBytes(data + 1, size - 1);
    parseDistance(text, data[0]);
    (void)_wtoi(text.c_str());
    convertCodePage(data + 1, size - 1);
    const size_t newline = text.find(L'\n');
    const std::wstring first = text.substr(0, newline);
    const std::wstring second = newline == std::wstring::npos ? L"" : text.substr(newline + 1);
    indexLabels(first, second);
    hxfuzz::requireCleanHost("text_parsers");
    return 0;
}
