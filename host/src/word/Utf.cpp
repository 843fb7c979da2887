// UTF-8 decoding and encoding; malformed bytes decode as U+FFFD.
#include "Utf.h"

namespace hxword {
namespace {

void put(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

} // namespace

std::u32string toU32(const std::string& s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        unsigned char b = s[i];
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        char32_t c = extra == 0 ? b : extra == 1 ? b & 0x1F : extra == 2 ? b & 0x0F : b & 0x07;
        bool ok = extra >= 0 && i + extra < s.size() + (extra == 0);
        for (int k = 1; ok && k <= extra; ++k) {
            unsigned char n = s[i + k];
            ok = (n & 0xC0) == 0x80;
            c = (c << 6) | (n & 0x3F);
        }
        out += ok ? c : U'\xFFFD';
        i += ok ? extra + 1 : 1;
    }
    return out;
}

std::string toUtf8(const std::u32string& text) {
    std::string out;
    for (char32_t c : text)
        put(out, c);
    return out;
}

std::string toUtf8(const std::wstring& text) {
    return toUtf8(std::u32string(text.begin(), text.end()));
}

std::wstring toWide(const std::string& utf8) {
    std::u32string text = toU32(utf8);
    return std::wstring(text.begin(), text.end());
}

} // namespace hxword
