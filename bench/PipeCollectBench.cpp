// Collection of a whole network by the generic pipe graph, from 10^3 to 10^6
// pipes: a square grid of wells joined as a tree (one row along x, every
// column hanging from it), drawn through the entity API into a fresh drawing.
// The drawing is made once per size, outside the timing; each iteration
// collects the network into a new graph and destroys it. A size whose drawing
// does not fit into the stand-in database is reported as skipped.
#include <benchmark/benchmark.h>

#include <cmath>

#include "../tests/peers/NetworkBuilder.h"
#include "HxWtDbObject.h"
#include "hxhost/Drawing.h"

namespace {

// Times collecting the network at seed from the drawing net made (skipped when
// the drawing did not fit) and returns the number of records; the drawing is
// dropped afterwards.
int TimeCollection(benchmark::State& state, const NetworkBuilder& net, AcDbObjectId seed) {
    int records = 0;
    if (net.refused() > 0) {
        state.SkipWithError("the drawing does not fit into the stand-in database");
    } else {
        for (auto _ : state) {
            HxDbPipeGraph graph;
            graph.CreateRelateGraph(seed);
            records = graph.EntList().Count();
            benchmark::DoNotOptimize(records);
        }
    }
    hxhost::resetDrawings();
    return records;
}

void CollectTreeOfWells(benchmark::State& state) {
    const int side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(state.range(0)))));
    hxhost::resetDrawings();
    NetworkBuilder net;
    const AcDbObjectId seed = net.grid(side, side, 10.0, true);
    const int records = TimeCollection(state, net, seed);
    state.counters["pipes"] = side * side - 1;
    state.counters["records"] = records;
    state.SetComplexityN(side * side - 1);
}

// The same sizes with bare pipe-to-pipe joints and no wells: a grid of pipes
// only, with loops.
void CollectGridOfJoints(benchmark::State& state) {
    const int side = static_cast<int>(std::lround(std::sqrt(state.range(0) / 2.0)));
    hxhost::resetDrawings();
    NetworkBuilder net;
    AcDbObjectId seed;
    for (int i = 0; i <= side; ++i) {
        for (int j = 0; j <= side; ++j) {
            if (i < side)
                seed = net.pipe(i * 10.0, j * 10.0, (i + 1) * 10.0, j * 10.0);
            if (j < side)
                net.pipe(i * 10.0, j * 10.0, i * 10.0, (j + 1) * 10.0);
        }
    }
    const int records = TimeCollection(state, net, seed);
    state.counters["pipes"] = records;
    state.SetComplexityN(records);
}

} // namespace

BENCHMARK(CollectTreeOfWells)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(250000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(CollectGridOfJoints)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(500000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
