// GetPointElevation on sample arrays: the examples and rules of the
// interpolation, case by case.
#include "ElevFixture.h"

namespace {

struct Query {
    double x, y, z;
    double expected;
};

struct Case {
    const char* name;
    std::vector<AcGePoint3d> samples;
    std::vector<Query> queries;
};

const AcGePoint3d kA(0, 0, 5), kB(10, 0, 15), kC(0, 10, 25);

const Case kCases[] = {
    {"one sample", {AcGePoint3d(3, 4, 5)}, {{0, 0, 0, 5}, {-100, 7, 0, 5}, {3, 4, 9, 5}}},
    {"two samples",
     {AcGePoint3d(0, 0, 10), AcGePoint3d(10, 0, 20)},
     {{5, 3, 0, 15}, {15, 0, 0, 25}, {-5, 0, 0, 5}, {0, 7, 0, 10}, {10, 0, 0, 20}}},
    {"two samples at one place",
     {AcGePoint3d(4, 4, 10), AcGePoint3d(4, 4, 20)},
     {{0, 0, 0, 10}, {4, 4, 0, 10}, {50, -3, 0, 10}}},
    {"plane inside", {kA, kB, kC}, {{2, 2, 0, 11}, {1, 1, 0, 8}, {3, 1, 50, 10}}},
    {"outside: tie of the two nearest goes to the later", {kA, kB, kC}, {{20, 20, 0, 25}}},
    {"on an edge: outside, all equally near, last slot wins", {kA, kB, kC}, {{5, 5, 0, 25}}},
    {"outside: the nearest sample", {kA, kB, kC}, {{-3, -1, 0, 5}, {14, -1, 0, 15}}},
    {"on one line",
     {AcGePoint3d(0, 0, 5), AcGePoint3d(10, 0, 15), AcGePoint3d(20, 0, 25)},
     {{5, 4, 0, 10}, {5, 4, 100, 10}, {0, 3, 0, 5}, {10, -2, 0, 15}, {20, 9, 0, 25}}},
    {"on one line: beyond the far end uses the pair of the nearest two",
     {AcGePoint3d(0, 0, 5), AcGePoint3d(10, 0, 15), AcGePoint3d(20, 0, 25)},
     {{30, 0, 0, 35}, {-10, 1, 0, -5}}},
    {"repeats fill one slot only: two distinct samples and the origin",
     {AcGePoint3d(10, 0, 10), AcGePoint3d(10, 0, 10.00001), AcGePoint3d(0, 10, 20)},
     {{2, 2, 0, 10 * 0.2 + 20 * 0.2}}},
    {"third sample within the tolerance of the line: the line rule",
     {AcGePoint3d(0, 0, 1), AcGePoint3d(4, 0, 1), AcGePoint3d(8, 0.0005, 9)},
     {{2, 1, 0, 1.0}}},
};

} // namespace

TEST_F(ElevTest, ExamplesAndRules) {
    for (const Case& c : kCases) {
        HxWtPointElevUtility u = withSamples(c.samples);
        for (const Query& q : c.queries)
            EXPECT_NEAR(level(u, q.x, q.y, q.z), q.expected, 1e-9)
                << c.name << " at " << q.x << "," << q.y;
    }
}

TEST_F(ElevTest, NoSamplesIsTheOnlyFailure) {
    HxWtPointElevUtility u = withSamples({});
    double e = 42.0;
    EXPECT_EQ(u.GetPointElevation(AcGePoint3d(1, 2, 3), e), 0);
    EXPECT_EQ(e, 0.0);
}

TEST_F(ElevTest, Find3PointSlotsDuplicatesAndOrigin) {
    struct Row {
        std::vector<AcGePoint3d> samples;
        AcGePoint3d pt;
        AcGePoint3d p1, p2, p3;
    };
    const AcGePoint3d o(0, 0, 0);
    const Row rows[] = {
        // Ties keep array order; the nearest first.
        {{kA, kB, kC}, AcGePoint3d(20, 20, 0), kB, kC, kA},
        {{kA, kB, kC}, AcGePoint3d(5, 5, 0), kA, kB, kC},
        // A repeat within 0.0001 in space takes no second slot.
        {{kB, AcGePoint3d(10, 0, 15.00005), kC}, AcGePoint3d(9, 0, 0), kB, kC, o},
        // Same plan place, other level: distinct.
        {{kB, AcGePoint3d(10, 0, 16), kC}, AcGePoint3d(9, 0, 0), kB, AcGePoint3d(10, 0, 16), kC},
        // A sample at the origin with level 0 is skipped while a slot is empty...
        {{o, kB, kC}, AcGePoint3d(1, 0, 0), kB, kC, o},
        // ... but taken once every slot is filled.
        // (as near as kA, which shares its plan place and comes first).
        {{kA, kB, kC, o}, AcGePoint3d(1, 0, 0), kA, o, kB},
        // At the origin with another level it is an ordinary sample.
        {{AcGePoint3d(0, 0, 3), kB, kC}, AcGePoint3d(1, 0, 0), AcGePoint3d(0, 0, 3), kB, kC},
    };
    for (const Row& row : rows) {
        HxWtPointElevUtility u = withSamples(row.samples);
        AcGePoint3d p1(0, 0, 0), p2(0, 0, 0), p3(0, 0, 0);
        Access::find3(u, row.pt, p1, p2, p3);
        EXPECT_TRUE(samePoints({p1, p2, p3}, {row.p1, row.p2, row.p3})) << &row - rows;
    }
}
