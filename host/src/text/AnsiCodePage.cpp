// The ANSI code page of the session and the names iconv knows code pages by.
#include "text/CodePages.h"
#include "text/IconvCodec.h"
#include "hxhost/Session.h"
#include "windows.h"

#include <atomic>

namespace hxhost {
namespace {

constexpr unsigned kDefaultAnsiCodePage = 936;

std::atomic<unsigned>& ansiCodePage() {
    static std::atomic<unsigned> s_codePage{kDefaultAnsiCodePage};
    return s_codePage;
}

} // namespace

namespace detail {

unsigned resolveCodePage(unsigned codePage) {
    if (codePage == CP_ACP || codePage == CP_OEMCP || codePage == CP_THREAD_ACP)
        return ansiCodePage();
    return codePage;
}

std::string iconvCharset(unsigned codePage) {
    if (codePage == CP_UTF8)
        return "UTF-8";
    if (codePage == 54936)
        return "GB18030";
    if (codePage == 20127)
        return "ASCII";
    if (codePage >= 28591 && codePage <= 28599)
        return "ISO-8859-" + std::to_string(codePage - 28590);
    return "CP" + std::to_string(codePage);
}

bool codePageKnown(unsigned codePage) {
    std::string bytes;
    bool replaced = false;
    const wchar_t probe[] = L"A";
    return encodeWide(iconvCharset(codePage), probe, 1, "?", false, bytes, replaced) ==
           CodecStatus::Ok;
}

} // namespace detail

bool setAnsiCodePage(unsigned codePage) {
    if (codePage == CP_ACP || codePage == CP_OEMCP || codePage == CP_THREAD_ACP)
        return false;
    if (!detail::codePageKnown(codePage))
        return false;
    ansiCodePage() = codePage;
    return true;
}

} // namespace hxhost

UINT GetACP() {
    return hxhost::ansiCodePage();
}
