// CellTable: a spatial hash of plan cells, each holding entity positions.
// Internal to the stand-in modules.
//
// Built once by build(): each entry added finds its cell in an
// open-addressing table, which numbers the cells in the order they first
// come (their runs); the positions are then placed run by run into one
// shared array, so cells added near one another lie near one another. A
// lookup costs one probe sequence and the positions of the cell; a lookup
// around an entry added, within its own cell, costs no probe. Nothing is
// sorted. Memory: 16 bytes per slot (at most half of them used), 8 per
// cell and 12 per entry.
//
// A cell's key keeps the low 32 bits of each cell index, so cells a multiple
// of 2^32 cells apart on both axes share a run: a lookup may then list
// positions far from the point asked about. Callers test every position they
// are given against the exact geometry, so this costs time only when two
// occupied cells of a drawing fall so, which at the sizes of real drawings
// is all but never.
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
    struct Slot;

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
        explicit Sink(CellTable& table) : m_table(table) {}
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
        Pending m_queue[kQueue] = {};
        int m_head = 0;
        int m_size = 0;
    };

    // Builds the table from what list(sink) adds to the sink it is given;
    // the positions of a cell keep the order in which they were added.
    // expectedCells sizes the table at first (it grows when the guess was
    // low).
    template <class List> void build(std::size_t expectedCells, List list) {
        startCounting(expectedCells);
        Sink sink(*this);
        list(sink);
        sink.drain();
        place();
    }

    // Takes the storage of `old`, which is left empty, for the next build:
    // filling memory already in use costs less than fresh pages.
    void reuseStorage(CellTable& old);

    // True when the table holds no entry.
    bool empty() const { return m_positions.empty(); }

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
                const int run = find(keyOf(Cell{ix, iy}));
                if (run >= 0)
                    forEachInRun(run, f);
            }
        }
    }

    // The same as forEachIn for a box around the k-th entry added (0-based)
    // that lies in that entry's cell, without probing the table: the cells
    // of entries added one after another lie near one another.
    template <class F>
    void forEachNearEntry(std::size_t k, double x0, double y0, double x1, double y1, F f) const {
        if (cellOf(x0) == cellOf(x1) && cellOf(y0) == cellOf(y1))
            forEachInRun(m_entryRun[k], f);
        else
            forEachIn(x0, y0, x1, y1, f);
    }

private:
    static constexpr double kShift = 0.3183098861837907; // 1/pi of a cell

    // A slot of the open-addressing table: a cell's key and its run, the
    // number of the cell in the order cells were first added; run -1 marks
    // a free slot. Run r holds the positions [m_start[r], m_start[r + 1]).
    struct Slot {
        std::uint64_t key = 0;
        int run = -1;
    };

    template <class F> void forEachInRun(int run, F f) const {
        const int end = m_start[static_cast<std::size_t>(run) + 1];
        for (int i = m_start[static_cast<std::size_t>(run)]; i < end; ++i)
            f(m_positions[static_cast<std::size_t>(i)]);
    }

    static std::uint64_t keyOf(const Cell& c) {
        return static_cast<std::uint64_t>(static_cast<std::uint32_t>(c.ix)) << 32 |
               static_cast<std::uint32_t>(c.iy);
    }
    std::size_t home(std::uint64_t key) const {
        std::uint64_t h = (key ^ (key >> 31)) * 0x9E3779B97F4A7C15ull;
        h ^= h >> 29;
        return static_cast<std::size_t>(h) & (m_slots.size() - 1);
    }
    // The run of the cell, or -1.
    int find(std::uint64_t key) const;
    Slot& slotOf(std::uint64_t key);

    void startCounting(std::size_t expectedCells);
    void count(std::uint64_t key, int position);
    void grow();
    void place();

    // The cell index by division, for the coordinates cellOf cannot settle by
    // multiplying with m_inverse.
    std::int64_t cellByDivision(double v) const;

    double m_size;
    double m_inverse;             // 1 / m_size rounded, or 0 when that is not a normal number
    std::vector<Slot> m_slots;    // open addressing, power-of-two size
    std::vector<int> m_start;     // by run; while counting, each run's count
    std::vector<int> m_positions; // grouped by run
    std::vector<int> m_entryRun;  // by entry, in the order added
    std::vector<int> m_entryPos;  // the same while building
    std::vector<int> m_fill;      // while placing
};

} // namespace hxpeers
