// The plan-cell hash: the cell of a coordinate is the one the plain division
// gives, on and beside cell borders too; lookups give every entry of the
// cells they touch, in listing order, however the table was sized.
#include "CellTable.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

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

namespace {

struct Entry {
    double x, y;
    int position;
};

// The positions a table of `size` built from entries (listed in order)
// gives for the box [x0, x1] x [y0, y1], in the order it gives them.
std::vector<int> Lookup(const hxpeers::CellTable& table, double x0, double y0, double x1,
                        double y1) {
    std::vector<int> out;
    table.forEachIn(x0, y0, x1, y1, [&](int pos) { out.push_back(pos); });
    return out;
}

void Build(hxpeers::CellTable& table, const std::vector<Entry>& entries, std::size_t expected) {
    table.build(expected, [&](hxpeers::CellTable::Sink& sink) {
        for (const Entry& e : entries)
            sink.add(hxpeers::Cell{table.cellOf(e.x), table.cellOf(e.y)}, e.position);
    });
}

// What a lookup of the box must give: every entry in a cell the box touches,
// cell by cell as the lookup walks them, each cell's in listing order.
std::vector<int> Expected(const hxpeers::CellTable& table, const std::vector<Entry>& entries,
                          double x0, double y0, double x1, double y1) {
    std::vector<int> out;
    for (std::int64_t ix = table.cellOf(x0); ix <= table.cellOf(x1); ++ix) {
        for (std::int64_t iy = table.cellOf(y0); iy <= table.cellOf(y1); ++iy) {
            for (const Entry& e : entries) {
                if (table.cellOf(e.x) == ix && table.cellOf(e.y) == iy)
                    out.push_back(e.position);
            }
        }
    }
    return out;
}

// Points on a lattice finer than the cells, some listed twice, positions
// ascending as the indexes list them.
std::vector<Entry> Lattice(int n) {
    std::vector<Entry> entries;
    for (int k = 0; k < n; ++k) {
        const double x = (k % 37) * 0.7 - 5.0, y = (k / 37) * 0.45 - 3.0;
        entries.push_back({x, y, k});
        if (k % 5 == 0)
            entries.push_back({x, y, k}); // a pipe with both ends in one cell
    }
    return entries;
}

TEST(CellTableTest, LookupsGiveEveryEntryOfTheCellsTouchedInListingOrder) {
    const std::vector<Entry> entries = Lattice(2000);
    // Sized right, and grown from nothing several times while counting.
    for (std::size_t expected : {std::size_t(2000), std::size_t(0)}) {
        SCOPED_TRACE(expected);
        hxpeers::CellTable table(1.0);
        Build(table, entries, expected);
        EXPECT_FALSE(table.empty());
        for (const auto& box : {std::array<double, 4>{0.1, 0.1, 0.2, 0.2},
                                std::array<double, 4>{-5.5, -3.5, 30.0, 40.0},
                                std::array<double, 4>{2.0, 2.0, 4.5, 3.1},
                                std::array<double, 4>{100.0, 100.0, 101.0, 101.0}})
            EXPECT_EQ(Lookup(table, box[0], box[1], box[2], box[3]),
                      Expected(table, entries, box[0], box[1], box[2], box[3]));
        // Around each entry, within its cell or across a border, the lookup
        // by entry gives what the lookup by box gives.
        for (std::size_t k = 0; k < entries.size(); k += 7) {
            for (double r : {1e-3, 0.3}) {
                const Entry& e = entries[k];
                std::vector<int> near;
                table.forEachNearEntry(k, e.x - r, e.y - r, e.x + r, e.y + r,
                                       [&](int pos) { near.push_back(pos); });
                ASSERT_EQ(near, Lookup(table, e.x - r, e.y - r, e.x + r, e.y + r)) << k << " " << r;
            }
        }
    }
}

TEST(CellTableTest, ReusedStorageAnswersAsFreshStorage) {
    const std::vector<Entry> large = Lattice(3000), small = Lattice(40);
    hxpeers::CellTable old(1.0);
    Build(old, large, large.size());
    hxpeers::CellTable reused(1.0), fresh(1.0);
    reused.reuseStorage(old);
    EXPECT_TRUE(old.empty());
    Build(reused, small, 0);
    Build(fresh, small, 0);
    EXPECT_EQ(Lookup(reused, -10, -10, 30, 30), Lookup(fresh, -10, -10, 30, 30));
    EXPECT_TRUE(Lookup(reused, 20, 5, 30, 30).empty()); // nothing left of the large table
}

TEST(CellTableTest, EmptyAndAliasedCells) {
    hxpeers::CellTable none(1.0);
    Build(none, {}, 0);
    EXPECT_TRUE(none.empty());
    EXPECT_TRUE(Lookup(none, -1e9, -1e9, 1e9, 1e9).empty());

    // Cells 2^32 apart share a run: a lookup gives both, and callers test the
    // geometry of what they are given.
    hxpeers::CellTable table(1.0);
    const double far = 4294967296.0;
    Build(table, {{0.5, 0.5, 1}, {far + 0.5, 0.5, 2}, {0.5, 1.5, 3}}, 0);
    EXPECT_EQ(Lookup(table, 0.4, 0.4, 0.6, 0.6), (std::vector<int>{1, 2}));
    EXPECT_EQ(Lookup(table, 0.4, 1.4, 0.6, 1.6), (std::vector<int>{3}));
}

} // namespace
