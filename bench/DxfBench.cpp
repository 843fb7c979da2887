// DXF reading and writing of whole-network drawings (a fishbone of 10^5 and
// 10^6 pipes with as many wells, drawn through the entity API and saved once
// per size, outside the timing), against a plain baseline timed in the same
// run: the file read into memory and split into lines. Counters: MB_per_s,
// x_lines (the time over the baseline's) and bytes_per_entity (the peak
// memory the read added, per entity: the process's resident high-water mark
// is reset before the read, after free memory went back to the system, so
// what drawing and saving the network took earlier does not hide it). The drawings are written to
// the temporary directory and removed afterwards, unless HXWT_BENCH_KEEP is set (then they stay as
// hxwt_fishbone_N.dxf there, for timing the tool).
#include "BenchRatio.h"

#include "../tests/graph/RandomNetwork.h"
#include "dbapserv.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string DrawingPath(int pipes) {
    return (std::filesystem::temp_directory_path() /
            ("hxwt_fishbone_" + std::to_string(pipes) + ".dxf"))
        .string();
}

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

// Draws and saves the fishbone of `pipes` pipes; its entity count.
int SaveFishbone(int pipes, const std::string& path) {
    hxhost::resetDrawings();
    const hxgraphtest::DrawnNetwork net = hxgraphtest::DrawFishbone(pipes);
    const int entities = static_cast<int>(net.nodes.size() + net.pipes.size());
    const bool saved = acdbHostApplicationServices()->workingDatabase()->saveAs(Wide(path).c_str(),
                                                                                false) == Acad::eOk;
    hxhost::resetDrawings();
    return saved ? entities : 0;
}

// A field of /proc/self/status ("VmRSS:", "VmHWM:") in bytes; 0 when unknown.
double StatusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.compare(0, field.size(), field) == 0)
            return std::strtod(line.c_str() + field.size(), nullptr) * 1024.0;
    }
    return 0.0;
}

// Gives free memory back and resets the resident high-water mark to what is
// resident now, which it returns.
double ResetPeak() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    return StatusBytes("VmRSS:");
}

// The baseline: the whole file into memory with one read, split into line
// views.
size_t ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text(static_cast<size_t>(std::filesystem::file_size(path)), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.emplace_back(text.data() + start, end - start);
        start = end + 1;
    }
    return lines.size();
}

void Finish(benchmark::State& state, const std::string& path, double seconds) {
    const double bytes = static_cast<double>(std::filesystem::file_size(path));
    const double lines =
        hxbench::BestSeconds(3, [&] { benchmark::DoNotOptimize(ReadLines(path)); });
    state.counters["MB_per_s"] = bytes / seconds / 1e6;
    state.counters["x_lines"] = seconds / lines;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void DxfRead(benchmark::State& state) {
    const int pipes = static_cast<int>(state.range(0));
    const std::string path = DrawingPath(pipes);
    const int entities = SaveFishbone(pipes, path);
    if (entities == 0) {
        state.SkipWithError("the drawing was not saved");
        return;
    }
    double best = 1e300;
    double added = 0.0;
    for (auto _ : state) {
        const double resident = ResetPeak();
        auto* db = new AcDbDatabase(false, true);
        best = std::min(best, hxbench::BestSeconds(1, [&] {
                            if (db->readDwgFile(Wide(path).c_str()) != Acad::eOk)
                                state.SkipWithError("the drawing did not read");
                        }));
        added = std::max(added, StatusBytes("VmHWM:") - resident);
        delete db;
    }
    state.counters["bytes_per_entity"] = added / entities;
    Finish(state, path, best);
    if (!std::getenv("HXWT_BENCH_KEEP"))
        std::filesystem::remove(path);
}

void DxfWrite(benchmark::State& state) {
    const int pipes = static_cast<int>(state.range(0));
    const std::string path = DrawingPath(pipes);
    const std::string copy = path + ".copy.dxf";
    if (SaveFishbone(pipes, path) == 0) {
        state.SkipWithError("the drawing was not saved");
        return;
    }
    auto* db = new AcDbDatabase(false, true);
    if (db->readDwgFile(Wide(path).c_str()) != Acad::eOk)
        state.SkipWithError("the drawing did not read");
    double best = 1e300;
    for (auto _ : state) {
        best = std::min(best, hxbench::BestSeconds(1, [&] {
                            if (db->saveAs(Wide(copy).c_str(), false) != Acad::eOk)
                                state.SkipWithError("the copy was not written");
                        }));
    }
    delete db;
    Finish(state, copy, best);
    std::filesystem::remove(copy);
    if (!std::getenv("HXWT_BENCH_KEEP"))
        std::filesystem::remove(path);
}

} // namespace

BENCHMARK(DxfRead)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(DxfWrite)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(2);
