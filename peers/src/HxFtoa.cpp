// ftoa: a number as plain decimal text.
#include "HxAecUtility.h"

#include <cmath>
#include <cstdio>
#include <string>

CString ftoa(double value, int decimals, bool trimZeros) {
    if (!std::isfinite(value))
        return CString(std::isnan(value) ? L"nan" : (value > 0 ? L"inf" : L"-inf"));
    if (decimals < 0)
        decimals = 0;
    if (decimals > 17)
        decimals = 17;
    const int needed = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::string text(static_cast<size_t>(needed) + 1, '\0');
    std::snprintf(&text[0], text.size(), "%.*f", decimals, value);
    text.resize(static_cast<size_t>(needed));
    if (trimZeros && text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    // A value that rounds to zero prints without a sign.
    if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-')
        text.erase(0, 1);
    return CString(std::wstring(text.begin(), text.end()).c_str());
}
