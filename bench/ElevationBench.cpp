// Elevation queries: the utility's one-pass scan against the indexed search,
// 10^5 queries over 10^3 .. 10^6 random samples. The scan runs only where it
// finishes in reasonable time (up to 10^4 samples).
#include <benchmark/benchmark.h>

#include "HxWtUtility.h"

#include <random>
#include <vector>

// The benchmark loads samples without a drawing through the utility's test
// access.
class HxWtPointElevUtilityTestAccess {
public:
    static AcArray<AcGePoint3d>& samples(HxWtPointElevUtility& u) { return u.m_samples; }
};

namespace {

constexpr int kQueries = 100000;
constexpr double kSide = 10000.0;

void fill(HxWtPointElevUtility& u, int n) {
    std::mt19937 rng(42);
    std::uniform_real_distribution<double> c(0, kSide), z(0, 50);
    AcArray<AcGePoint3d>& s = HxWtPointElevUtilityTestAccess::samples(u);
    for (int i = 0; i < n; ++i)
        s.append(AcGePoint3d(c(rng), c(rng), z(rng)));
}

std::vector<AcGePoint3d> queries() {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> c(0, kSide);
    std::vector<AcGePoint3d> q;
    for (int i = 0; i < kQueries; ++i)
        q.emplace_back(c(rng), c(rng), 0);
    return q;
}

template <class Source> void runQueries(benchmark::State& state, Source& source) {
    const std::vector<AcGePoint3d> qs = queries();
    for (auto _ : state) {
        double sum = 0;
        for (const AcGePoint3d& q : qs) {
            double e = 0;
            source.GetPointElevation(q, e);
            sum += e;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kQueries);
}

void BM_ScanQueries(benchmark::State& state) {
    HxWtPointElevUtility u;
    fill(u, static_cast<int>(state.range(0)));
    runQueries(state, u);
}

void BM_IndexedQueries(benchmark::State& state) {
    HxWtPointElevUtility u;
    fill(u, static_cast<int>(state.range(0)));
    HxWtPointElevIndex index(u);
    runQueries(state, index);
}

void BM_IndexBuild(benchmark::State& state) {
    HxWtPointElevUtility u;
    fill(u, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        HxWtPointElevIndex index(u);
        benchmark::DoNotOptimize(index.SampleCount());
    }
}

} // namespace

BENCHMARK(BM_ScanQueries)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_IndexedQueries)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_IndexBuild)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
