// Number-to-text conversion and the positive integer text test.
#include "HxWtNumUtil.h"

CString HxWtNum2Str(long n) {
    // long is 64 bits here, so the length modifier keeps every value whole.
    CString text;
    text.Format(L"%ld", n);
    return text;
}

CString HxWtNum2Str(double value, int digits) {
    CString text;
    if (digits == -1) {
        text.Format(L"%g", value);
        return text;
    }
    // The precision part ("0.2") is formatted first, then wrapped into the
    // conversion ("%0.2f") that formats the value.
    CString precision;
    precision.Format(L"0.%d", digits);
    const CString format = L"%" + precision + L"f";
    text.Format(format.GetString(), value);
    return text;
}

bool IsPositiveIntNumber(const CString& text) {
    if (text.IsEmpty() || text.GetAt(0) == L'0')
        return false;
    for (int i = 0; i < text.GetLength(); ++i) {
        const wchar_t ch = text.GetAt(i);
        if (ch < L'0' || ch > L'9')
            return false;
    }
    return true;
}
