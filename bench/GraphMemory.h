// The memory a piece of work takes beyond what is live before it: the free
// heap is given back to the system (by mimalloc when the benchmarks are
// linked with it, which otherwise keeps freed pages resident for reuse, so a
// graph built on them would look nearly free; by the C library otherwise),
// resident memory measured, the kernel's resident peak reset, the work run,
// and the new peak read. Linux only (/proc/self/status,
// /proc/self/clear_refs); answers -1 elsewhere. Header-only.
#pragma once

#ifdef HXWT_WITH_MIMALLOC
#include <mimalloc.h>
#endif
#include <malloc.h>

#include <fstream>
#include <string>

namespace hxbench {

// A "VmRSS:" or "VmHWM:" line of /proc/self/status, in bytes; -1 when absent.
inline double StatusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, field.size(), field) == 0)
            return std::stod(line.substr(field.size())) * 1024.0;
    }
    return -1;
}

// Returns the free heap's pages to the system, so that what the work takes
// shows as new resident memory.
inline void ReleaseFreeHeap() {
#ifdef HXWT_WITH_MIMALLOC
    mi_collect(true);
#endif
    malloc_trim(0);
}

// The resident peak of f() above the resident memory live before it, in
// bytes; -1 when the kernel does not let the peak be reset.
template <class F> double PeakAbove(F&& f) {
    ReleaseFreeHeap();
    const double before = StatusBytes("VmRSS:");
    std::ofstream reset("/proc/self/clear_refs");
    reset << "5" << std::flush;
    if (!reset || before < 0)
        return -1;
    f();
    return StatusBytes("VmHWM:") - before;
}

} // namespace hxbench
