// Text helpers of the tool: UTF-8 on the terminal, wide text in the host.
#pragma once

#include <string>

namespace hxwt {

std::string toUtf8(const std::wstring& text);
std::wstring fromUtf8(const std::string& text);

// text as a JSON string literal (quotes and control characters escaped).
std::string jsonString(const std::string& text);

// The module next to the running hxwt executable.
std::string defaultModulePath();

} // namespace hxwt
