// CreateGraph on fishbone gravity networks of 10^3 to 10^6 pipes, with the
// indexed lookups and with the plain scan (the scan only up to the sizes it
// finishes in reasonable time). The network is drawn once per size; each
// iteration builds and destroys one graph from the first main pipe.
#include "HxDbWtPipeGraph.h"
#include "HxDbWtPipeGraphVerify.h"

#include "../tests/graph/RandomNetwork.h"

#include <benchmark/benchmark.h>

namespace {

const hxgraphtest::DrawnNetwork& Network(int pipes) {
    static int drawn = -1;
    static hxgraphtest::DrawnNetwork net;
    if (drawn != pipes) {
        hxhost::resetDrawings();
        net = hxgraphtest::DrawFishbone(pipes);
        drawn = pipes;
    }
    return net;
}

void CreateGraph(benchmark::State& state, bool literal) {
    const auto& net = Network(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        HxDbWtPipeGraph g;
        HxWtSetPipeGraphLiteralLookup(g, literal);
        int status = g.CreateGraph(net.pipes[0], AcGePoint3d(1, 0, 0));
        if (status != 0)
            state.SkipWithError("CreateGraph failed");
        benchmark::DoNotOptimize(g.edges.Count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void Indexed(benchmark::State& state) {
    CreateGraph(state, false);
}
void Literal(benchmark::State& state) {
    CreateGraph(state, true);
}

BENCHMARK(Indexed)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(Literal)->RangeMultiplier(10)->Range(1000, 10000)->Unit(benchmark::kMillisecond);

} // namespace

