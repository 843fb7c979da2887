// Host-internal: the ANSI code page in force and the iconv names of Windows
// code pages.
#pragma once

#include <string>

namespace hxhost::detail {

// The code page a conversion uses: CP_ACP, CP_OEMCP and CP_THREAD_ACP stand
// for the ANSI code page in force; any other value stands for itself.
unsigned resolveCodePage(unsigned codePage);

// The iconv character-set name of a (resolved) code page: 65001 is "UTF-8",
// 54936 "GB18030", 20127 "ASCII", 28591..28599 the ISO-8859 sets, anything
// else "CP<n>". Whether iconv knows it shows when a conversion is opened.
std::string iconvCharset(unsigned codePage);

// True when iconv can convert between wide text and the code page.
bool codePageKnown(unsigned codePage);

} // namespace hxhost::detail
