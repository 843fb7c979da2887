// CellTable: a spatial hash of plan cells, each holding entity positions.
// Internal to the stand-in modules.
//
// Filled with add() and then frozen with finish(): the entries are sorted by
// cell (positions ascending within a cell) and each occupied cell maps to its
// run of positions through an open-addressing table, so a lookup costs one
// probe sequence and the positions of the cell. Cost: O(n log n) to finish
// for n entries; about 24 bytes per entry while filling, then 4 bytes per
// entry and 48 bytes per occupied cell.
#pragma once

#include <cstddef>
#include <cstdint>
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
    explicit CellTable(double size);

    // The cell index of a coordinate (clamped far out; NaN gives 0); cells are
    // shifted by a fraction of their size off the round coordinates.
    std::int64_t cellOf(double v) const;

    // Room for n more entries before finish().
    void reserve(std::size_t n) { m_entries.reserve(m_entries.size() + n); }
    void add(const Cell& cell, int position) { m_entries.emplace_back(cell, position); }
    // Adds position to every cell that the plan box [x0, x1] x [y0, y1] touches.
    void addBox(double x0, double y0, double x1, double y1, int position);
    void finish();
    // True when no entry was added.
    bool empty() const { return m_positions.empty() && m_entries.empty(); }

    // Hints that the cell of the plan point (x, y) is about to be looked up:
    // starts loading its home slot into the cache. Changes nothing.
    void prefetch(double x, double y) const {
        if (!m_runs.empty())
            __builtin_prefetch(
                &m_runs[CellHash()(Cell{cellOf(x), cellOf(y)}) & (m_runs.size() - 1)]);
    }

    // Calls f(position) for the entries of every cell that the plan box
    // touches (a position may come more than once).
    template <class F> void forEachIn(double x0, double y0, double x1, double y1, F f) const {
        if (m_positions.empty())
            return; // nothing to find: no cell arithmetic, no probes
        const std::int64_t cx0 = cellOf(x0), cx1 = cellOf(x1);
        const std::int64_t cy0 = cellOf(y0), cy1 = cellOf(y1);
        for (std::int64_t ix = cx0; ix <= cx1; ++ix) {
            for (std::int64_t iy = cy0; iy <= cy1; ++iy) {
                const Run* run = find(Cell{ix, iy});
                if (run == nullptr)
                    continue;
                for (int i = run->begin; i < run->end; ++i)
                    f(m_positions[static_cast<std::size_t>(i)]);
            }
        }
    }

private:
    // An occupied cell and its positions [begin, end); end == 0 marks a free
    // slot of the table.
    struct Run {
        Cell cell;
        int begin = 0;
        int end = 0;
    };

    const Run* find(const Cell& cell) const;
    void insert(const Run& run);

    // The cell index by division, for the coordinates cellOf cannot settle by
    // multiplying with m_inverse.
    std::int64_t cellByDivision(double v) const;

    double m_size;
    double m_inverse; // 1 / m_size rounded, or 0 when that is not a normal number
    std::vector<std::pair<Cell, int>> m_entries; // while filling
    std::vector<int> m_positions;                // sorted by cell, once finished
    std::vector<Run> m_runs;                     // open addressing, power-of-two size
};

} // namespace hxpeers
