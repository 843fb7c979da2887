// The plan-cell hash's cell arithmetic: the cell of a coordinate is the one
// the plain division gives, on and beside cell borders too.
#include "CellTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// The cell by the plain formula the table documents.
std::int64_t CellByDivision(double v, double size) {
    const double c = std::floor(v / size + 0.3183098861837907);
    if (std::isnan(c))
        return 0;
    return static_cast<std::int64_t>(std::fmax(-4e18, std::fmin(4e18, c)));
}

TEST(CellTableTest, CellOfEqualsDivisionAtAndBesideBorders) {
    const double sizes[] = {64e-6, 64e-3, 0.1, 1.0, 3.0, 7.3e5, 1e-300, 1e300};
    for (double size : sizes) {
        const hxpeers::CellTable table(size);
        for (int k = -2000; k <= 2000; ++k) {
            // The border between cells k - 1 and k, and its neighbours.
            const double border = (k - 0.3183098861837907) * size;
            double v = border;
            for (int step = 0; step < 4; ++step)
                v = std::nextafter(v, -INFINITY);
            for (int step = 0; step < 9; ++step, v = std::nextafter(v, INFINITY))
                ASSERT_EQ(table.cellOf(v), CellByDivision(v, size)) << size << " " << v;
        }
    }
}

TEST(CellTableTest, CellOfFarAndNonFiniteValues) {
    const double inf = std::numeric_limits<double>::infinity();
    const double values[] = {0.0, -0.0, 1e18, -1e18, 1e300, -1e300, inf, -inf, std::nan("")};
    for (double size : {64e-6, 1.0, 1e300}) {
        const hxpeers::CellTable table(size);
        for (double v : values)
            EXPECT_EQ(table.cellOf(v), CellByDivision(v, size)) << size << " " << v;
    }
}

} // namespace
