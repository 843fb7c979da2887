// GetMainDirectory: the product's installation directory.
//
// Taken from the environment variable HXWT_MAIN_DIR (UTF-8), else the current
// directory. The product's convention is kept: the result always ends in one
// backslash, whatever separator the path ends with (a trailing '/' or '\' is
// replaced). Callers that open files under it on this platform turn the
// backslashes into slashes first.
#include "HxAecUtility.h"

#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string rawMainDirectory() {
    if (const char* env = std::getenv("HXWT_MAIN_DIR"); env != nullptr && env[0] != 0)
        return env;
    std::vector<char> buffer(4096);
    if (getcwd(buffer.data(), buffer.size()) == nullptr)
        return ".";
    return buffer.data();
}

} // namespace

CString GetMainDirectory() {
    std::string dir = rawMainDirectory();
    while (!dir.empty() && (dir.back() == '/' || dir.back() == '\\'))
        dir.pop_back();
    const int length = MultiByteToWideChar(CP_UTF8, 0, dir.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? static_cast<size_t>(length) : 1, L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, dir.c_str(), -1, &wide[0], length);
    wide.resize(wide.find(L'\0'));
    wide += L'\\';
    return CString(wide.c_str());
}
