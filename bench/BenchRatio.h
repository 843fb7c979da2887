// Helpers for the benchmarks that state their speed as a ratio to a plain
// baseline timed in the same run: the best of a few timed calls of a
// function, and peak memory of the process.
#pragma once

#include <algorithm>
#include <chrono>
#include <sys/resource.h>

namespace hxbench {

// The fastest of `runs` calls of f, in seconds.
template <class F> double BestSeconds(int runs, F&& f) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        f();
        const auto end = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double>(end - start).count());
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
