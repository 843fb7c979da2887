// Test hook of the stand-in host for tools that tests run as processes of
// their own: a fault plan taken from the environment when the host library
// loads, and a report of the failable calls and the ledger written at exit.
//
//   HXHOST_FAULT=OP:SKIP      the first call of OP after SKIP calls of it
//                             fails (OP "*": every failable call counts)
//   HXHOST_FAULT_REPORT=FILE  at exit (or quick_exit) FILE gets "calls N", then "failed OP"
//                             for each call a plan made fail, then "left ..."
//                             for each ledger count still out
//
// Neither variable is set in normal use; then the hook does nothing.
#include "hxhost/HostControl.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

namespace {

// Never freed: the report is written after static objects may be gone.
const std::string* s_reportPath = nullptr;

void writeReport() {
    std::FILE* out = std::fopen(s_reportPath->c_str(), "w");
    if (out == nullptr)
        return;
    std::fprintf(out, "calls %d\n", hxhost::failableCalls());
    for (const std::string& op : hxhost::failedOperations())
        std::fprintf(out, "failed %s\n", op.c_str());
    std::istringstream left(hxhost::describeOutstanding());
    for (std::string line; std::getline(left, line);)
        std::fprintf(out, "left %s\n", line.c_str());
    std::fclose(out);
}

// "OP:SKIP" into failNext(OP, 1, SKIP); anything else is ignored.
void planFault(const char* text) {
    const char* colon = std::strrchr(text, ':');
    if (colon == nullptr || colon == text)
        return;
    char* end = nullptr;
    const long skip = std::strtol(colon + 1, &end, 10);
    if (end == colon + 1 || *end != '\0' || skip < 0 || skip > 1000000000L)
        return;
    hxhost::failNext(std::string(text, colon), 1, static_cast<int>(skip));
}

bool installHook() {
    if (const char* plan = std::getenv("HXHOST_FAULT"))
        planFault(plan);
    const char* report = std::getenv("HXHOST_FAULT_REPORT");
    if (report == nullptr || *report == '\0')
        return false;
    s_reportPath = new std::string(report);
    // The ledger exists before the handler is registered, so it outlives it.
    (void)hxhost::failableCalls();
    std::atexit(writeReport);
    // A tool that ends through std::quick_exit (skipping static destructors)
    // is reported too.
    std::at_quick_exit(writeReport);
    return true;
}

[[maybe_unused]] const bool s_hookInstalled = installHook();

} // namespace
