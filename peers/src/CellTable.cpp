// The plan-cell spatial hash of the network index.
#include "CellTable.h"

#include <algorithm>
#include <cmath>

namespace hxpeers {

namespace {

constexpr double kFarCell = 4e18;
// The grid is shifted by this fraction of a cell (1/pi): drawn coordinates are
// often round (multiples of the cell size's powers of two and ten), and a
// point on a cell border makes a lookup probe two cells per axis.
constexpr double kShift = 0.3183098861837907;

} // namespace

CellTable::CellTable(double size) : m_size(size), m_inverse(0.0) {
    const double inverse = 1.0 / size;
    if (std::isnormal(size) && std::isnormal(inverse))
        m_inverse = inverse;
}

// v * m_inverse differs from v / m_size by a few units in the last place at
// most, and rounding the sum with kShift keeps their order, so both land in
// the same cell unless the shifted value lies within that error of a cell
// border. The margin below is far wider than the error; inside it (and for
// NaN, infinities and values too large to have a fraction) the division
// decides. The floor is taken by truncation, exact below 2^52.
std::int64_t CellTable::cellOf(double v) const {
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

std::int64_t CellTable::cellByDivision(double v) const {
    const double c = std::floor(v / m_size + kShift);
    if (std::isnan(c))
        return 0;
    return static_cast<std::int64_t>(std::clamp(c, -kFarCell, kFarCell));
}

void CellTable::addBox(double x0, double y0, double x1, double y1, int position) {
    const std::int64_t cx0 = cellOf(x0), cx1 = cellOf(x1);
    const std::int64_t cy0 = cellOf(y0), cy1 = cellOf(y1);
    for (std::int64_t ix = cx0; ix <= cx1; ++ix) {
        for (std::int64_t iy = cy0; iy <= cy1; ++iy)
            add(Cell{ix, iy}, position);
    }
}

void CellTable::finish() {
    std::sort(m_entries.begin(), m_entries.end());
    m_positions.clear();
    m_positions.reserve(m_entries.size());
    size_t cells = 0;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        m_positions.push_back(m_entries[i].second);
        if (i == 0 || !(m_entries[i].first == m_entries[i - 1].first))
            ++cells;
    }
    size_t capacity = 16;
    while (capacity < 2 * cells)
        capacity *= 2;
    m_runs.assign(capacity, Run());
    // The runs land at scattered slots of a table far larger than the cache
    // at whole-city sizes: the home slot of an entry some way ahead is
    // prefetched while the current run goes in.
    constexpr size_t kAhead = 16;
    const size_t mask = m_runs.size() - 1;
    const int n = static_cast<int>(m_entries.size());
    for (int i = 0; i < n;) {
        const size_t ahead = static_cast<size_t>(i) + kAhead;
        if (ahead < m_entries.size())
            __builtin_prefetch(&m_runs[CellHash()(m_entries[ahead].first) & mask], 1);
        int j = i + 1;
        while (j < n &&
               m_entries[static_cast<size_t>(j)].first == m_entries[static_cast<size_t>(i)].first)
            ++j;
        insert(Run{m_entries[static_cast<size_t>(i)].first, i, j});
        i = j;
    }
    std::vector<std::pair<Cell, int>>().swap(m_entries);
}

void CellTable::insert(const Run& run) {
    const size_t mask = m_runs.size() - 1;
    size_t slot = CellHash()(run.cell) & mask;
    while (m_runs[slot].end != 0)
        slot = (slot + 1) & mask;
    m_runs[slot] = run;
}

const CellTable::Run* CellTable::find(const Cell& cell) const {
    if (m_runs.empty())
        return nullptr;
    const size_t mask = m_runs.size() - 1;
    for (size_t slot = CellHash()(cell) & mask;; slot = (slot + 1) & mask) {
        const Run& run = m_runs[slot];
        if (run.end == 0)
            return nullptr;
        if (run.cell == cell)
            return &run;
    }
}

} // namespace hxpeers
