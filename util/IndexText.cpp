// Index labels such as "J7" or "Pa": the next label of a numbering sequence
// and the order of two labels. The index is the label's last character when it
// is a letter, otherwise the run of ASCII digits at its end (0 when there is
// none); the rest is the prefix.
#include "HxWtNumUtil.h"

#include <cstdint>

#include "HxAecUtility.h"
#include "tchar.h"

namespace {

bool IsLower(wchar_t ch) {
    return ch >= L'a' && ch <= L'z';
}

bool IsUpper(wchar_t ch) {
    return ch >= L'A' && ch <= L'Z';
}

bool IsDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

// The position where the trailing digit run of label begins (the length when
// the label does not end in a digit).
int DigitRunStart(const CString& label) {
    int start = label.GetLength();
    while (start > 0 && IsDigit(label.GetAt(start - 1)))
        --start;
    return start;
}

// The value of the digits of label from `start` on. Runs of up to nine digits
// are exact; longer ones wrap instead of overflowing.
std::uint64_t DigitRunValue(const CString& label, int start) {
    std::uint64_t value = 0;
    for (int i = start; i < label.GetLength(); ++i)
        value = value * 10 + static_cast<std::uint64_t>(label.GetAt(i) - L'0');
    return value;
}

// The plain decimal digits of a non-negative integer.
CString PlainDigits(std::uint64_t value) {
    return ftoa(static_cast<double>(value), 0, true);
}

// The index key of a label: empty, its final letter, or its trailing number.
CString IndexKey(const CString& label) {
    if (label.IsEmpty())
        return CString();
    const wchar_t last = label.GetAt(label.GetLength() - 1);
    if (IsLower(last) || IsUpper(last))
        return CString(last);
    return PlainDigits(DigitRunValue(label, DigitRunStart(label)));
}

} // namespace

CString HxWtIncreaseIndex(const CString& label) {
    if (label.IsEmpty())
        return CString();
    const int lastPos = label.GetLength() - 1;
    const wchar_t last = label.GetAt(lastPos);
    if (IsLower(last))
        return label.Left(lastPos) + (last == L'z' ? L'a' : static_cast<wchar_t>(last + 1));
    if (IsUpper(last))
        return label.Left(lastPos) + (last == L'Z' ? L'A' : static_cast<wchar_t>(last + 1));
    const int runStart = DigitRunStart(label);
    return label.Left(runStart) + PlainDigits(DigitRunValue(label, runStart) + 1);
}

bool HxWtIsFirstIndexStrBigger(const CString& first, const CString& second) {
    const CString firstKey = IndexKey(first);
    const CString secondKey = IndexKey(second);
    if (firstKey.GetLength() == 1 && secondKey.GetLength() == 1)
        return firstKey.GetAt(0) > secondKey.GetAt(0);
    return _wtoi(firstKey) > _wtoi(secondKey);
}
