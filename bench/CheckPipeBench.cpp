// CheckPipe with pair pruning against the literal quadratic sweep, on layouts
// of 10^3 to 10^5 pipes at a constant density: pipes of 1 to 8 units along the
// axes on an integer grid, a few percent of them duplicated or lying on
// another, a few of zero length. The literal sweep runs only up to the sizes
// it finishes in reasonable time (3000 pipes). The executable's main comes
// from another benchmark source of hxwt_bench.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "HxWtDbObject.h"
#include "HxWtPipeCheckLiteral.h"
#include "HxWtUtility.h"
#include "hxhost/Drawing.h"

namespace {

using CheckFunction = void (*)(int, HxDbObjectIdList&, HxDbObjectIdList&, HxDbObjectIdList&);

// Draws n pipes into a fresh current drawing and returns their ids.
std::vector<AcDbObjectId> DrawLayout(int n) {
    hxhost::resetDrawings();
    std::mt19937 rng(20240607u + static_cast<unsigned>(n));
    const int side = static_cast<int>(std::sqrt(n * 16.0));
    std::uniform_int_distribution<int> coord(0, side);
    std::uniform_int_distribution<int> length(1, 8);
    std::uniform_int_distribution<int> percent(0, 99);
    std::vector<AcDbObjectId> ids;
    ids.reserve(n);
    AcGePoint3d lastStart, lastEnd;
    for (int k = 0; k < n; ++k) {
        const int roll = percent(rng);
        AcGePoint3d start, end;
        if (k > 0 && roll < 4) { // a piece of the previous pipe, or all of it
            start = lastStart;
            end = roll < 2 ? lastEnd : lastStart + (lastEnd - lastStart) * 0.5;
        } else {
            start = AcGePoint3d(coord(rng), coord(rng), 0);
            const int len = roll < 6 ? 0 : length(rng);
            end = roll % 2 == 0 ? start + AcGeVector3d(len, 0, 0) : start + AcGeVector3d(0, len, 0);
        }
        ids.push_back(hxhost::addToModelSpace(new HxDbWtPipe(start, end)));
        lastStart = start;
        lastEnd = end;
    }
    return ids;
}

void Run(benchmark::State& state, CheckFunction check) {
    const int n = static_cast<int>(state.range(0));
    const int mode = static_cast<int>(state.range(1));
    const std::vector<AcDbObjectId> ids = DrawLayout(n);
    int overlapped = 0;
    for (auto _ : state) {
        state.PauseTiming();
        HxDbObjectIdList pipes, over, zero;
        for (AcDbObjectId id : ids)
            pipes.Append(id);
        state.ResumeTiming();
        check(mode, pipes, over, zero);
        overlapped = over.Count();
        benchmark::DoNotOptimize(overlapped);
    }
    state.counters["overlapped"] = overlapped;
    hxhost::resetDrawings();
}

void BM_CheckPipe(benchmark::State& state) {
    Run(state, CheckPipe);
}

void BM_CheckPipeLiteral(benchmark::State& state) {
    Run(state, HxWtInternalCheckPipeLiteral);
}

} // namespace

BENCHMARK(BM_CheckPipe)
    ->ArgsProduct({{1000, 3000, 10000, 30000, 100000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);
// The literal sweep takes seconds at 3000 pipes and grows with the square.
BENCHMARK(BM_CheckPipeLiteral)
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({3000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
