// Encoding and decoding the text of DXF values.
#include "dxf/DxfText.h"

#include "text/IconvCodec.h"

#include <cstdio>

namespace hxhost {
namespace {

const char* const kWriteCharset = "CP936";

void escape(std::string& out, unsigned unit) {
    char buf[12];
    std::snprintf(buf, sizeof buf, "\\U+%04X", unit);
    out += buf;
}

// Appends c in the code page files are written in; false when it has no such
// character.
bool appendAnsi(std::string& out, wchar_t c) {
    std::string bytes;
    bool replaced = false;
    if (detail::encodeWide(kWriteCharset, &c, 1, "", true, bytes, replaced) !=
            detail::CodecStatus::Ok ||
        replaced || bytes.empty())
        return false;
    out += bytes;
    return true;
}

int hexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    return -1;
}

// The UTF-16 unit of "\U+XXXX" at text[i], or -1.
int escapedUnit(const std::wstring& text, std::size_t i) {
    if (i + 7 > text.size() || text[i] != L'\\' || (text[i + 1] != L'U' && text[i + 1] != L'u') ||
        text[i + 2] != L'+')
        return -1;
    int unit = 0;
    for (std::size_t k = i + 3; k < i + 7; ++k) {
        const int d = hexDigit(text[k]);
        if (d < 0)
            return -1;
        unit = unit * 16 + d;
    }
    return unit;
}

std::wstring unescape(const std::wstring& text) {
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int unit = escapedUnit(text, i);
        if (unit < 0) {
            out += text[i];
            continue;
        }
        i += 6;
        const int low = unit >= 0xD800 && unit < 0xDC00 ? escapedUnit(text, i + 1) : -1;
        if (low >= 0xDC00 && low < 0xE000) {
            out += static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
            i += 7;
        } else {
            out += static_cast<wchar_t>(unit);
        }
    }
    return out;
}

} // namespace

std::string encodeDxfText(const std::wstring& text) {
    std::string out;
    appendDxfText(out, text);
    return out;
}

void appendDxfText(std::string& out, std::wstring_view text) {
    for (wchar_t c : text) {
        const auto u = static_cast<unsigned long>(c);
        if (u >= 0x20 && u < 0x7F) {
            out += static_cast<char>(u);
        } else if (u >= 0x80 && u <= 0xFFFF && appendAnsi(out, c)) {
            continue;
        } else if (u > 0xFFFF) {
            escape(out, static_cast<unsigned>(0xD800 + ((u - 0x10000) >> 10)));
            escape(out, static_cast<unsigned>(0xDC00 + ((u - 0x10000) & 0x3FF)));
        } else {
            escape(out, static_cast<unsigned>(u));
        }
    }
}

void DxfTextDecoder::setCodePage(std::string_view dwgCodePage) {
    const std::string_view prefix = "ANSI_";
    if (dwgCodePage.compare(0, prefix.size(), prefix) == 0)
        charset = "CP" + std::string(dwgCodePage.substr(prefix.size()));
}

std::wstring DxfTextDecoder::decode(std::string_view value) const {
    bool ascii = true;
    for (char c : value)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    std::wstring wide;
    if (ascii) {
        wide.assign(value.begin(), value.end());
    } else if (detail::decodeBytes(utf8 ? "UTF-8" : charset, value.data(), value.size(), L'?',
                                   false, wide) != detail::CodecStatus::Ok) {
        detail::decodeBytes("CP1252", value.data(), value.size(), L'?', false, wide);
    }
    if (wide.find(L'\\') == std::wstring::npos)
        return wide; // nothing escaped
    return unescape(wide);
}

} // namespace hxhost
