// The plan-cell spatial hash of the network index.
#include "CellTable.h"

#include <algorithm>
#include <cmath>

namespace hxpeers {

namespace {

constexpr double kFarCell = 4e18;

} // namespace

std::int64_t CellTable::cellOf(double v) const {
    const double c = std::floor(v / m_size);
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
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    m_runs.clear();
    m_runs.reserve(m_entries.size());
    const int n = static_cast<int>(m_entries.size());
    for (int i = 0; i < n;) {
        int j = i + 1;
        while (j < n &&
               m_entries[static_cast<size_t>(j)].first == m_entries[static_cast<size_t>(i)].first)
            ++j;
        m_runs.emplace(m_entries[static_cast<size_t>(i)].first, std::make_pair(i, j));
        i = j;
    }
}

} // namespace hxpeers
