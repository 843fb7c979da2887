// CreateGraph on fishbone gravity networks of 10^3 to 10^6 pipes, with the
// indexed lookups and with the plain scan (the scan only up to the sizes it
// finishes in reasonable time). The network is drawn once per size; each
// iteration builds and destroys one graph from the first main pipe.
//
// The stand-in host indexes a drawing's entities by position at the first
// connection or hit-test query after the drawing changed, as the real host
// keeps its own spatial indexes. Indexed and Literal time the graph with those
// indexes built (one untimed graph first); Cold makes the drawing change
// before every iteration, so each build pays for indexing the whole drawing.
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

bool BuildOnce(const hxgraphtest::DrawnNetwork& net, bool literal) {
    HxDbWtPipeGraph g;
    HxWtSetPipeGraphLiteralLookup(g, literal);
    const int status = g.CreateGraph(net.pipes[0], AcGePoint3d(1, 0, 0));
    benchmark::DoNotOptimize(g.edges.Count());
    return status == 0;
}

// Moves the drawing's revision without changing what it holds.
void TouchDrawing(const hxgraphtest::DrawnNetwork& net) {
    AcDbObject* pipe = nullptr;
    if (acdbOpenObject(pipe, net.pipes[0], AcDb::kForWrite) == Acad::eOk)
        pipe->close();
}

void CreateGraph(benchmark::State& state, bool literal, bool cold) {
    const auto& net = Network(static_cast<int>(state.range(0)));
    if (!BuildOnce(net, literal))
        state.SkipWithError("CreateGraph failed");
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            TouchDrawing(net);
            state.ResumeTiming();
        }
        BuildOnce(net, literal);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void Indexed(benchmark::State& state) {
    CreateGraph(state, false, false);
}
void Literal(benchmark::State& state) {
    CreateGraph(state, true, false);
}
void Cold(benchmark::State& state) {
    CreateGraph(state, false, true);
}

BENCHMARK(Indexed)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(Cold)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(Literal)->RangeMultiplier(10)->Range(1000, 10000)->Unit(benchmark::kMillisecond);

} // namespace

