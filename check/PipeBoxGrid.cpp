// The plan grid of CheckPipe's pair pruning.
#include "PipeBoxGrid.h"

#include <algorithm>
#include <cmath>

namespace HxWtPipeCheckDetail {

namespace {

// Limits on the grid: cells per axis, and cells per box position overall.
constexpr int kMaxCellsPerAxis = 4096;
constexpr int kCellsPerBox = 2;

} // namespace

bool PipeBox::Meets(const PipeBox& other) const {
    for (int axis = 0; axis < 3; ++axis) {
        if (max[axis] < other.min[axis] || other.max[axis] < min[axis])
            return false;
    }
    return true;
}

bool PipeBox::IsFinite() const {
    return std::isfinite(min[0]) && std::isfinite(min[1]) && std::isfinite(max[0]) &&
           std::isfinite(max[1]);
}

PipeBoxGrid::PipeBoxGrid(const std::vector<PipeBox>& boxes, const std::vector<bool>& included)
    : m_boxes(boxes), m_included(included), m_stamp(boxes.size(), -1) {
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    double sizeSum = 0.0;
    int placed = 0;
    for (size_t k = 0; k < boxes.size(); ++k) {
        if (!m_included[k])
            continue;
        const PipeBox& b = boxes[k];
        if (!b.IsFinite()) {
            m_unbounded.push_back(static_cast<int>(k));
            continue;
        }
        minX = std::min(minX, b.min[0]);
        minY = std::min(minY, b.min[1]);
        maxX = std::max(maxX, b.max[0]);
        maxY = std::max(maxY, b.max[1]);
        sizeSum += std::max(b.max[0] - b.min[0], b.max[1] - b.min[1]);
        ++placed;
    }
    if (placed == 0)
        return;
    // Cells about as large as the mean box, and not much smaller than the
    // spread of the layout divided among the boxes.
    const double width = maxX - minX;
    const double height = maxY - minY;
    const double spread = std::sqrt(width * height / placed);
    m_cellSize = std::max({sizeSum / placed, spread, 1e-9 * (1.0 + width + height)});
    m_originX = minX;
    m_originY = minY;
    m_countX = std::min(kMaxCellsPerAxis, static_cast<int>(width / m_cellSize) + 1);
    m_countY = std::min(kMaxCellsPerAxis, static_cast<int>(height / m_cellSize) + 1);
    while (static_cast<long long>(m_countX) * m_countY > kCellsPerBox * (placed + 1LL)) {
        m_cellSize *= 1.5;
        m_countX = std::min(kMaxCellsPerAxis, static_cast<int>(width / m_cellSize) + 1);
        m_countY = std::min(kMaxCellsPerAxis, static_cast<int>(height / m_cellSize) + 1);
    }
    m_cells.resize(static_cast<size_t>(m_countX) * m_countY);
    for (size_t k = 0; k < boxes.size(); ++k) {
        if (!m_included[k] || !boxes[k].IsFinite())
            continue;
        const CellRange r = CellsOf(boxes[k]);
        for (int y = r.y0; y <= r.y1; ++y) {
            for (int x = r.x0; x <= r.x1; ++x)
                m_cells[static_cast<size_t>(y) * m_countX + x].push_back(static_cast<int>(k));
        }
    }
}

int PipeBoxGrid::CellIndex(double value, double origin, int count) const {
    const double cell = std::floor((value - origin) / m_cellSize);
    if (!(cell > 0.0))
        return 0;
    return cell >= count - 1 ? count - 1 : static_cast<int>(cell);
}

PipeBoxGrid::CellRange PipeBoxGrid::CellsOf(const PipeBox& box) const {
    return {CellIndex(box.min[0], m_originX, m_countX), CellIndex(box.min[1], m_originY, m_countY),
            CellIndex(box.max[0], m_originX, m_countX), CellIndex(box.max[1], m_originY, m_countY)};
}

void PipeBoxGrid::Offer(int i, int j, std::vector<int>& out) {
    if (j <= i || m_stamp[j] == i)
        return;
    m_stamp[j] = i;
    if (m_boxes[i].Meets(m_boxes[j]) || !m_boxes[i].IsFinite() || !m_boxes[j].IsFinite())
        out.push_back(j);
}

void PipeBoxGrid::Candidates(int i, std::vector<int>& out) {
    out.clear();
    if (!m_boxes[i].IsFinite()) {
        for (int j = i + 1; j < static_cast<int>(m_boxes.size()); ++j) {
            if (m_included[j])
                Offer(i, j, out);
        }
        std::sort(out.begin(), out.end());
        return;
    }
    for (int j : m_unbounded)
        Offer(i, j, out);
    if (!m_cells.empty()) {
        const CellRange r = CellsOf(m_boxes[i]);
        for (int y = r.y0; y <= r.y1; ++y) {
            for (int x = r.x0; x <= r.x1; ++x) {
                for (int j : m_cells[static_cast<size_t>(y) * m_countX + x])
                    Offer(i, j, out);
            }
        }
    }
    std::sort(out.begin(), out.end());
}

} // namespace HxWtPipeCheckDetail
