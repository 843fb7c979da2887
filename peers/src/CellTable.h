// CellTable: a spatial hash of plan cells, each holding entity positions.
// Internal to the stand-in modules.
//
// Filled with add() and then frozen with finish(): the entries are sorted by
// cell and each occupied cell maps to its run of entries, so a lookup costs
// one hash probe and the entries of the cell. Cost: O(n log n) to finish for n
// entries, memory about 40 bytes per entry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace hxpeers {

struct Cell {
    std::int64_t ix = 0;
    std::int64_t iy = 0;
    bool operator==(const Cell& o) const { return ix == o.ix && iy == o.iy; }
    bool operator<(const Cell& o) const { return ix != o.ix ? ix < o.ix : iy < o.iy; }
};

struct CellHash {
    std::size_t operator()(const Cell& c) const noexcept {
        const std::uint64_t h = static_cast<std::uint64_t>(c.ix) * 0x9E3779B97F4A7C15ull ^
                                (static_cast<std::uint64_t>(c.iy) + 0x632BE59BD9B4E019ull);
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

class CellTable {
public:
    // Cells of `size` drawing units (positive).
    explicit CellTable(double size) : m_size(size) {}

    // The cell index of a coordinate (clamped far out; NaN gives 0).
    std::int64_t cellOf(double v) const;

    void add(const Cell& cell, int position) { m_entries.emplace_back(cell, position); }
    // Adds position to every cell that the plan box [x0, x1] x [y0, y1] touches.
    void addBox(double x0, double y0, double x1, double y1, int position);
    void finish();

    // Calls f(position) for the entries of every cell that the plan box
    // touches (a position may come more than once).
    template <class F> void forEachIn(double x0, double y0, double x1, double y1, F f) const {
        const std::int64_t cx0 = cellOf(x0), cx1 = cellOf(x1);
        const std::int64_t cy0 = cellOf(y0), cy1 = cellOf(y1);
        for (std::int64_t ix = cx0; ix <= cx1; ++ix) {
            for (std::int64_t iy = cy0; iy <= cy1; ++iy) {
                auto it = m_runs.find(Cell{ix, iy});
                if (it == m_runs.end())
                    continue;
                for (int i = it->second.first; i < it->second.second; ++i)
                    f(m_entries[static_cast<std::size_t>(i)].second);
            }
        }
    }

private:
    double m_size;
    std::vector<std::pair<Cell, int>> m_entries;
    std::unordered_map<Cell, std::pair<int, int>, CellHash> m_runs;
};

} // namespace hxpeers
