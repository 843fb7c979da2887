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
    m_slots = std::move(old.m_slots);
    m_start = std::move(old.m_start);
    m_positions = std::move(old.m_positions);
    m_entryRun = std::move(old.m_entryRun);
    m_entryPos = std::move(old.m_entryPos);
    m_fill = std::move(old.m_fill);
    old = CellTable(old.m_size);
}

void CellTable::Sink::add(const Cell& cell, int position) {
    const std::uint64_t key = keyOf(cell);
    __builtin_prefetch(&m_table.m_slots[m_table.home(key)], 1);
    if (m_size == kQueue) {
        m_table.count(m_queue[m_head].key, m_queue[m_head].position);
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
    for (; m_size > 0; --m_size, m_head = (m_head + 1) % kQueue)
        m_table.count(m_queue[m_head].key, m_queue[m_head].position);
}

void CellTable::startCounting(std::size_t expectedCells) {
    std::size_t capacity = 16;
    while (capacity < 2 * expectedCells)
        capacity *= 2;
    m_slots.assign(capacity, Slot());
    m_start.clear();
    m_positions.clear();
    m_entryRun.clear();
    m_entryPos.clear();
}

CellTable::Slot& CellTable::slotOf(std::uint64_t key) {
    const std::size_t mask = m_slots.size() - 1;
    std::size_t at = home(key);
    while (m_slots[at].run >= 0 && m_slots[at].key != key)
        at = (at + 1) & mask;
    return m_slots[at];
}

void CellTable::count(std::uint64_t key, int position) {
    Slot& slot = slotOf(key);
    int run = slot.run;
    if (run < 0) {
        run = static_cast<int>(m_start.size());
        slot = Slot{key, run};
        m_start.push_back(0);
        if (2 * m_start.size() > m_slots.size())
            grow();
    }
    ++m_start[static_cast<std::size_t>(run)];
    m_entryRun.push_back(run);
    m_entryPos.push_back(position);
}

// Doubles the table; the runs keep their numbers.
void CellTable::grow() {
    std::vector<Slot> old(m_slots.size() * 2);
    old.swap(m_slots);
    for (const Slot& slot : old) {
        if (slot.run >= 0)
            slotOf(slot.key) = slot;
    }
}

// The counts become starts, and each position goes to the next free place of
// its run.
void CellTable::place() {
    int at = 0;
    for (int& start : m_start) {
        const int count = start;
        start = at;
        at += count;
    }
    m_start.push_back(at);
    m_fill.assign(m_start.begin(), m_start.end() - 1);
    m_positions.resize(m_entryPos.size());
    for (std::size_t k = 0; k < m_entryPos.size(); ++k)
        m_positions[static_cast<std::size_t>(m_fill[static_cast<std::size_t>(m_entryRun[k])]++)] =
            m_entryPos[k];
    m_entryPos.clear();
    if (m_positions.empty())
        std::vector<Slot>().swap(m_slots);
}

int CellTable::find(std::uint64_t key) const {
    if (m_slots.empty())
        return -1;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t at = home(key);; at = (at + 1) & mask) {
        const Slot& slot = m_slots[at];
        if (slot.run < 0 || slot.key == key)
            return slot.run;
    }
}

} // namespace hxpeers
