// CellTable: a spatial hash of plan cells, each holding entity positions.
// Internal to the stand-in modules.
//
// Built once by build(), which asks its caller to list the entries twice:
// the first listing counts the entries of every cell into an open-addressing
// table of runs, the second places each position into its cell's run of one
// shared array. A lookup then costs one probe sequence and the positions of
// the cell. No entry list is kept and nothing is sorted: the table's size is
// about 16 bytes per occupied cell (at most half the slots are used) and 4
// bytes per entry.
//
// A cell's key keeps the low 32 bits of each cell index, so cells 2^32 cells
// apart share a run: a lookup may then list positions far from the point
// asked about. Callers test every position they are given against the exact
// geometry, so this costs time only on drawings wider than 2^32 cells.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace hxpeers {

struct Cell {
    std::int64_t ix = 0;
    std::int64_t iy = 0;
};

class CellTable {
    struct Run;

public:
    // Cells of `size` drawing units (positive).
    explicit CellTable(double size);

    // The cell index of a coordinate, floor(v / size + shift) (clamped far
    // out; NaN gives 0); the shift is a fraction of a cell that keeps round
    // coordinates off the borders.
    std::int64_t cellOf(double v) const {
        // v * m_inverse differs from v / m_size by a few units in the last
        // place at most, and adding the shift keeps their order, so both land
        // in the same cell unless the shifted value lies within that error of
        // a cell border. The margin is far wider than the error; inside it
        // (and for NaN, infinities and values too large to have a fraction)
        // the division decides. The floor is taken by truncation, exact below
        // 2^52.
        const double t = v * m_inverse + kShift;
        if (m_inverse == 0.0 || !(std::fabs(t) < 0x1p52))
            return cellByDivision(v);
        std::int64_t i = static_cast<std::int64_t>(t);
        double c = static_cast<double>(i);
        if (c > t) {
            --i;
            c -= 1.0;
        }
        const double margin = (std::fabs(t) + 1.0) * 0x1p-40;
        if (t - c > margin && c + 1.0 - t > margin)
            return i;
        return cellByDivision(v);
    }

    // Where build() takes the entries from: add() puts a position into one
    // cell, addBox() into every cell that a plan box touches.
    class Sink {
    public:
        void add(const Cell& cell, int position);
        void addBox(double x0, double y0, double x1, double y1, int position);

    private:
        friend class CellTable;
        Sink(CellTable& table, bool placing) : m_table(table), m_placing(placing) {}
        void drain();

        // Entries wait in a short queue while their home slot is fetched into
        // the cache: the table is far larger than the cache at whole-city
        // sizes.
        static constexpr int kQueue = 16;
        struct Pending {
            std::uint64_t key;
            int position;
        };
        CellTable& m_table;
        bool m_placing;
        Pending m_queue[kQueue] = {};
        int m_head = 0;
        int m_size = 0;
    };

    // Builds the table from what list(sink) adds to the sink it is given.
    // list is called twice and must add the same entries in the same order
    // both times; the positions of a cell keep that order. expectedCells
    // sizes the table at first (it grows when the guess was low).
    template <class List> void build(std::size_t expectedCells, List list) {
        startCounting(expectedCells);
        {
            Sink counting(*this, false);
            list(counting);
            counting.drain();
        }
        startPlacing();
        {
            Sink placing(*this, true);
            list(placing);
            placing.drain();
        }
        finishPlacing();
    }

    // Takes the storage of `old`, which is left empty, for the next build:
    // filling memory already in use costs less than fresh pages.
    void reuseStorage(CellTable& old);

    // True when the table holds no entry.
    bool empty() const { return m_positions.empty(); }

    // Hints that the cell of the plan point (x, y) is about to be looked up:
    // starts loading its home slot into the cache. Changes nothing.
    void prefetch(double x, double y) const {
        if (!m_runs.empty())
            __builtin_prefetch(&m_runs[home(keyOf(Cell{cellOf(x), cellOf(y)}))]);
    }

    // Calls f(position) for the entries of every cell that the plan box
    // touches (a position may come more than once, and positions of cells
    // sharing a key come too).
    template <class F> void forEachIn(double x0, double y0, double x1, double y1, F f) const {
        if (m_positions.empty())
            return; // nothing to find: no cell arithmetic, no probes
        const std::int64_t cx0 = cellOf(x0), cx1 = cellOf(x1);
        const std::int64_t cy0 = cellOf(y0), cy1 = cellOf(y1);
        for (std::int64_t ix = cx0; ix <= cx1; ++ix) {
            for (std::int64_t iy = cy0; iy <= cy1; ++iy) {
                const Run* run = find(keyOf(Cell{ix, iy}));
                if (run == nullptr)
                    continue;
                for (int i = run->begin; i < run->end; ++i)
                    f(m_positions[static_cast<std::size_t>(i)]);
            }
        }
    }

private:
    static constexpr double kShift = 0.3183098861837907; // 1/pi of a cell

    // An occupied cell and its positions [begin, end); end == 0 marks a free
    // slot. While counting, end holds the count and begin the order in which
    // the cell came first.
    struct Run {
        std::uint64_t key = 0;
        int begin = 0;
        int end = 0;
    };

    static std::uint64_t keyOf(const Cell& c) {
        return static_cast<std::uint64_t>(static_cast<std::uint32_t>(c.ix)) << 32 |
               static_cast<std::uint32_t>(c.iy);
    }
    std::size_t home(std::uint64_t key) const {
        std::uint64_t h = (key ^ (key >> 31)) * 0x9E3779B97F4A7C15ull;
        h ^= h >> 29;
        return static_cast<std::size_t>(h) & (m_runs.size() - 1);
    }
    const Run* find(std::uint64_t key) const;
    Run& slotOf(std::uint64_t key);

    void startCounting(std::size_t expectedCells);
    void count(std::uint64_t key);
    void grow();
    void startPlacing();
    void place(std::uint64_t key, int position);
    void finishPlacing();

    // The cell index by division, for the coordinates cellOf cannot settle by
    // multiplying with m_inverse.
    std::int64_t cellByDivision(double v) const;

    double m_size;
    double m_inverse;             // 1 / m_size rounded, or 0 when that is not a normal number
    std::vector<Run> m_runs;      // open addressing, power-of-two size
    std::size_t m_cells = 0;      // occupied slots
    std::size_t m_entries = 0;    // entries counted
    std::vector<int> m_positions; // grouped by cell
    std::vector<int> m_fill;      // while placing
};

} // namespace hxpeers
