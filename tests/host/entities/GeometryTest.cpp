// Point equality under the tolerance, and the growable array's lengths.
#include "HostTest.h"

#include "AcArray.h"
#include "gept3dar.h"

#include <vector>

namespace {

class GeometryTest : public HostTest {
protected:
    void TearDown() override {
        AcGeContext::gTol = AcGeTol();
        HostTest::TearDown();
    }
};

TEST_F(GeometryTest, PointEqualityFollowsTheTolerance) {
    struct Case {
        AcGePoint3d a, b;
        double tol;
        bool equal;
    };
    const Case cases[] = {
        {{0, 0, 0}, {0, 0, 1e-11}, 1e-10, true},
        {{0, 0, 0}, {0, 0, 1e-9}, 1e-10, false},
        {{3, 0, 0}, {0, 4, 0}, 5.0, true}, // distance exactly the tolerance
    };
    for (const Case& c : cases) {
        AcGeTol tol;
        tol.setEqualPoint(c.tol);
        EXPECT_EQ(c.a.isEqualTo(c.b, tol), c.equal) << c.b.x << ' ' << c.b.y << ' ' << c.tol;
    }
    // The operators use the global tolerance.
    const AcGePoint3d p(1, 1, 1);
    const AcGePoint3d q(1, 1, 1.001);
    EXPECT_NE(p, q);
    AcGeContext::gTol.setEqualPoint(0.01);
    EXPECT_EQ(p, q);
}

TEST_F(GeometryTest, ArrayLengthsGrowByTheGrowLengthAtLeast) {
    AcArray<int> a(0, 4);
    EXPECT_EQ(a.asArrayPtr(), nullptr);
    EXPECT_EQ(a.append(10), 0);
    EXPECT_EQ(a.physicalLength(), 4);
    for (int i = 1; i < 5; ++i)
        a.append(10 + i);
    EXPECT_EQ(a.physicalLength(), 8); // doubled once full
    a.setPhysicalLength(3);
    EXPECT_EQ(a.logicalLength(), 3);
    a.setLogicalLength(5); // grows by the grow length (4), more than the 3 it has
    EXPECT_EQ(a[4], 0);
    EXPECT_EQ(a.physicalLength(), 7);
    a.insertAt(0, a[2]); // an element of its own
    a.removeAt(1);
    EXPECT_EQ(std::vector<int>(a.begin(), a.end()), (std::vector<int>{12, 11, 12, 0, 0}));
}

} // namespace
