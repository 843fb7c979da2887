// The plan-cell spatial hash of the network and extents indexes.
#include "CellTable.h"

#include <algorithm>

namespace hxpeers {

namespace {

constexpr double kFarCell = 4e18;

} // namespace

CellTable::CellTable(double size) : m_size(size), m_inverse(0.0) {
    const double inverse = 1.0 / size;
    if (std::isnormal(size) && std::isnormal(inverse))
        m_inverse = inverse;
}

std::int64_t CellTable::cellByDivision(double v) const {
    const double c = std::floor(v / m_size + kShift);
    if (std::isnan(c))
        return 0;
    return static_cast<std::int64_t>(std::clamp(c, -kFarCell, kFarCell));
}

void CellTable::reuseStorage(CellTable& old) {
    m_runs = std::move(old.m_runs);
    m_positions = std::move(old.m_positions);
    m_fill = std::move(old.m_fill);
    old = CellTable(old.m_size);
}

void CellTable::Sink::add(const Cell& cell, int position) {
    const std::uint64_t key = keyOf(cell);
    __builtin_prefetch(&m_table.m_runs[m_table.home(key)], 1);
    if (m_size == kQueue) {
        const Pending& oldest = m_queue[m_head];
        if (m_placing)
            m_table.place(oldest.key, oldest.position);
        else
            m_table.count(oldest.key);
        m_queue[m_head] = Pending{key, position};
        m_head = (m_head + 1) % kQueue;
        return;
    }
    m_queue[(m_head + m_size) % kQueue] = Pending{key, position};
    ++m_size;
}

void CellTable::Sink::addBox(double x0, double y0, double x1, double y1, int position) {
    const std::int64_t cx0 = m_table.cellOf(x0), cx1 = m_table.cellOf(x1);
    const std::int64_t cy0 = m_table.cellOf(y0), cy1 = m_table.cellOf(y1);
    for (std::int64_t ix = cx0; ix <= cx1; ++ix) {
        for (std::int64_t iy = cy0; iy <= cy1; ++iy)
            add(Cell{ix, iy}, position);
    }
}

void CellTable::Sink::drain() {
    for (; m_size > 0; --m_size, m_head = (m_head + 1) % kQueue) {
        if (m_placing)
            m_table.place(m_queue[m_head].key, m_queue[m_head].position);
        else
            m_table.count(m_queue[m_head].key);
    }
}

void CellTable::startCounting(std::size_t expectedCells) {
    std::size_t capacity = 16;
    while (capacity < 2 * expectedCells)
        capacity *= 2;
    m_runs.assign(capacity, Run());
    m_cells = 0;
    m_entries = 0;
    m_positions.clear();
}

CellTable::Run& CellTable::slotOf(std::uint64_t key) {
    const std::size_t mask = m_runs.size() - 1;
    std::size_t slot = home(key);
    while (m_runs[slot].end != 0 && m_runs[slot].key != key)
        slot = (slot + 1) & mask;
    return m_runs[slot];
}

void CellTable::count(std::uint64_t key) {
    Run& run = slotOf(key);
    ++m_entries;
    if (run.end++ != 0)
        return;
    run.key = key;
    run.begin = static_cast<int>(m_cells); // the order in which cells came first
    if (2 * ++m_cells > m_runs.size())
        grow();
}

// Doubles the table, keeping the counts.
void CellTable::grow() {
    std::vector<Run> old(m_runs.size() * 2);
    old.swap(m_runs);
    for (const Run& run : old) {
        if (run.end != 0)
            slotOf(run.key) = run;
    }
}

// The runs take stretches of the positions in the order their cells came
// first, so that cells listed near one another lie near one another. While
// placing, begin still holds that order and m_fill the next free place of
// each run, by order.
void CellTable::startPlacing() {
    m_positions.assign(m_entries, 0);
    m_fill.assign(m_cells + 1, 0);
    for (const Run& run : m_runs) {
        if (run.end != 0)
            m_fill[static_cast<std::size_t>(run.begin) + 1] = run.end;
    }
    for (std::size_t k = 1; k < m_fill.size(); ++k)
        m_fill[k] += m_fill[k - 1];
    for (Run& run : m_runs) {
        if (run.end != 0)
            run.end = m_fill[static_cast<std::size_t>(run.begin) + 1];
    }
}

void CellTable::place(std::uint64_t key, int position) {
    const Run& run = slotOf(key);
    m_positions[static_cast<std::size_t>(m_fill[static_cast<std::size_t>(run.begin)]++)] = position;
}

// Each run's fill place now stands at its end, which is where the next run
// in order begins.
void CellTable::finishPlacing() {
    for (Run& run : m_runs) {
        if (run.end != 0)
            run.begin = run.begin == 0 ? 0 : m_fill[static_cast<std::size_t>(run.begin) - 1];
    }
    if (m_positions.empty())
        std::vector<Run>().swap(m_runs);
}

const CellTable::Run* CellTable::find(std::uint64_t key) const {
    if (m_runs.empty())
        return nullptr;
    const std::size_t mask = m_runs.size() - 1;
    for (std::size_t slot = home(key);; slot = (slot + 1) & mask) {
        const Run& run = m_runs[slot];
        if (run.end == 0)
            return nullptr;
        if (run.key == key)
            return &run;
    }
}

} // namespace hxpeers
