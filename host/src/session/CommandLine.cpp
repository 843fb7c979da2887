// The host's command line: acutPrintf appends to a captured text that tests
// and tools read back, optionally echoed to standard output.
#include "framework/WideFormat.h"
#include "acutads.h"
#include "hxhost/Session.h"

#include <cstdio>
#include <string>

namespace {

struct CommandLineState {
    std::wstring text;
    bool echo = false;
};

CommandLineState& state() {
    static CommandLineState s_state;
    return s_state;
}

void echo(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr,
                                nullptr);
    if (n <= 0)
        return;
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), &bytes[0], n, nullptr, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

} // namespace

int acutPrintf(const ACHAR* format, ...) {
    if (format == nullptr)
        return RTERROR;
    va_list args;
    va_start(args, format);
    std::wstring text = hxhost::detail::formatWide(format, args);
    va_end(args);
    state().text += text;
    if (state().echo && !text.empty())
        echo(text);
    return RTNORM;
}

namespace hxhost {

std::wstring commandLine() {
    return state().text;
}
void clearCommandLine() {
    state().text.clear();
}
void setCommandLineEcho(bool on) {
    state().echo = on;
}

} // namespace hxhost
