// Internal to the xdata functions: the application name rules shared by the
// id forms of the text functions.
#pragma once

#include <cwchar>

namespace HxWtXdataDetail {

// Cuts a name of more than 32 characters to its first 31, in place. A name of
// exactly 32 characters stays whole; null is left alone.
inline void CutLongAppName(wchar_t* appName) {
    if (appName != nullptr && std::wcslen(appName) > 32)
        appName[31] = L'\0';
}

} // namespace HxWtXdataDetail
