// Numbers with a bounded count of decimals, trailing zeros dropped.
#include "FixedText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace hxwt {

size_t writeFixed(double value, int decimals, char* buf) {
    size_t n = 0;
    if (std::isfinite(value)) {
        // Exactly rounded like printf, without its locale and format parsing.
        const std::to_chars_result r =
            std::to_chars(buf, buf + kFixedTextSize, value, std::chars_format::fixed, decimals);
        n = static_cast<size_t>(r.ptr - buf);
    } else {
        n = static_cast<size_t>(std::snprintf(buf, kFixedTextSize, "%.*f", decimals, value));
    }
    while (n > 0 && buf[n - 1] == '0')
        --n;
    if (n > 0 && buf[n - 1] == '.')
        --n;
    if (n == 2 && buf[0] == '-' && buf[1] == '0') {
        buf[0] = '0';
        n = 1;
    }
    return n;
}

std::string formatFixed(double value, int decimals) {
    char buf[kFixedTextSize];
    return std::string(buf, writeFixed(value, decimals, buf));
}

} // namespace hxwt
