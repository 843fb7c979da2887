// Helpers for the benchmarks that state their speed as a ratio to a plain
// baseline timed in the same run: the best of a few timed calls of a
// function, and peak memory of the process. Times are the thread's CPU time,
// so that other work on a shared machine disturbs the ratios less.
#pragma once

#include <algorithm>
#include <ctime>
#include <sys/resource.h>

namespace hxbench {

inline double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The fastest of `runs` calls of f, in seconds of CPU time.
template <class F> double BestSeconds(int runs, F&& f) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const double start = ThreadSeconds();
        f();
        best = std::min(best, ThreadSeconds() - start);
    }
    return best;
}

// Peak resident memory of the process so far, in bytes.
inline double PeakBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

} // namespace hxbench
