// Internal to CheckPipe: a uniform plan grid over the boxes of the pipes, to
// find the pairs of pipes whose boxes meet without testing every pair.
//
// The grid holds positions 0 .. n-1 into the caller's box array, each in every
// cell its box covers. Boxes with a coordinate that is not finite cannot be
// placed: they are offered to every query, and every query from them sees
// every box, so that no pair that might hit is missed.
//
// Cost: building is linear in the cells covered; a query is linear in the
// entries of the cells its box covers. The cell size follows the boxes' mean
// size and the spread of the layout, so that about n cells are made.
#pragma once

#include <vector>

namespace HxWtPipeCheckDetail {

// An axis-aligned box. In plan checks z spans everything.
struct PipeBox {
    double min[3];
    double max[3];

    bool Meets(const PipeBox& other) const;
    bool IsFinite() const;
};

class PipeBoxGrid {
public:
    // Boxes of entries that take no part (not pipes, zero length) are left out
    // by `included`.
    PipeBoxGrid(const std::vector<PipeBox>& boxes, const std::vector<bool>& included);

    // The positions j > i of included boxes that meet box i, in increasing
    // order.
    void Candidates(int i, std::vector<int>& out);

private:
    struct CellRange {
        int x0, y0, x1, y1;
    };
    CellRange CellsOf(const PipeBox& box) const;
    int CellIndex(double value, double origin, int count) const;
    void Offer(int i, int j, std::vector<int>& out);

    const std::vector<PipeBox>& m_boxes;
    std::vector<bool> m_included;
    std::vector<int> m_unbounded; // included boxes that cannot be placed
    std::vector<std::vector<int>> m_cells;
    std::vector<int> m_stamp; // last query that offered each position
    double m_originX = 0.0;
    double m_originY = 0.0;
    double m_cellSize = 1.0;
    int m_countX = 1;
    int m_countY = 1;
};

} // namespace HxWtPipeCheckDetail
