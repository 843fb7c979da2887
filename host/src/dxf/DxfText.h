// Host-internal: the text of DXF values. Files we write are in code page 936
// ($DWGCODEPAGE ANSI_936, the product's Chinese drawings); a character that
// code page lacks (and every control character) is written as \U+XXXX (UTF-16
// units), which DXF readers decode in texts. Reading decodes UTF-8 (AC1021 and later) or the file's
// code page ($DWGCODEPAGE, through iconv), then the \U+XXXX escapes.
#pragma once

#include <string>
#include <string_view>

namespace hxhost {

std::string encodeDxfText(const std::wstring& text);
// Appends the encoded text to out.
void appendDxfText(std::string& out, std::wstring_view text);

// How the values of a file are to be decoded.
struct DxfTextDecoder {
    bool utf8 = false;              // AC1021 and later
    std::string charset = "CP1252"; // older files: the code page's iconv name

    // The code page of a $DWGCODEPAGE value ("ANSI_936" -> "CP936").
    void setCodePage(std::string_view dwgCodePage);
    std::wstring decode(std::string_view value) const;
};

} // namespace hxhost
