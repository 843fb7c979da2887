// UTF-8, UTF-32 and wide text of the document engine (XML parts are UTF-8).
#pragma once

#include <string>

namespace hxword {

std::u32string toU32(const std::string& utf8);
std::string toUtf8(const std::u32string& text);
std::string toUtf8(const std::wstring& text);
std::wstring toWide(const std::string& utf8);

} // namespace hxword
