// The benchmark program's main: every bench/*.cpp registers its benchmarks.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
