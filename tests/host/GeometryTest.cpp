// Points, vectors, tolerances and the growable array.
#include "HostTest.h"

#include "AcArray.h"
#include "gepnt2d.h"
#include "gept3dar.h"

#include <functional>
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
        {{0, 0, 0}, {0, 0, 0}, 1e-10, true},
        {{0, 0, 0}, {0, 0, 1e-11}, 1e-10, true},
        {{0, 0, 0}, {0, 0, 1e-9}, 1e-10, false},
        {{1, 2, 3}, {1.0005, 2, 3}, 1e-3, true},
        {{1, 2, 3}, {1.002, 2, 3}, 1e-3, false},
        {{3, 0, 0}, {0, 4, 0}, 5.0, true}, // distance exactly the tolerance
    };
    for (const Case& c : cases) {
        AcGeTol tol;
        tol.setEqualPoint(c.tol);
        EXPECT_EQ(c.a.isEqualTo(c.b, tol), c.equal) << c.b.x << ' ' << c.b.y << ' ' << c.tol;
    }
}

TEST_F(GeometryTest, OperatorsUseTheGlobalToleranceAndZeroStaysZero) {
    const AcGePoint3d p(1, 1, 1);
    const AcGePoint3d q(1, 1, 1.001);
    EXPECT_NE(p, q);
    AcGeContext::gTol.setEqualPoint(0.01);
    EXPECT_EQ(p, q);
    EXPECT_DOUBLE_EQ(AcGeTol().equalPoint(), 1e-10);
    EXPECT_DOUBLE_EQ(AcGeTol().equalVector(), 1e-10);
    EXPECT_EQ(AcGePoint3d(4, 6, 3) - AcGePoint3d(1, 2, 3) + AcGeVector3d::kZAxis,
              AcGeVector3d(3, 4, 1));
    EXPECT_EQ(AcGeVector3d::kXAxis.crossProduct(AcGeVector3d::kYAxis), AcGeVector3d::kZAxis);
    EXPECT_DOUBLE_EQ(AcGeVector3d(1, 2, 3).dotProduct(AcGeVector3d(4, 5, 6)), 32.0);
    EXPECT_EQ(AcGeVector3d(0, 3, 4).normal(), AcGeVector3d(0, 0.6, 0.8));
    AcGeVector3d tiny(1e-12, 0, 0);
    EXPECT_TRUE(tiny.isZeroLength());
    EXPECT_EQ(tiny.normalize(), AcGeVector3d::kIdentity); // zero stays zero
    EXPECT_DOUBLE_EQ(AcGePoint2d(0, 0).distanceTo(AcGePoint2d(3, 4)), 5.0);
    EXPECT_EQ(AcGeVector2d(0, 2).normal(), AcGeVector2d::kYAxis);
}

TEST_F(GeometryTest, ArrayGrowsByItsGrowLengthAtLeast) {
    AcArray<int> a(0, 4);
    EXPECT_EQ(a.physicalLength(), 0);
    EXPECT_EQ(a.asArrayPtr(), nullptr);
    EXPECT_EQ(a.append(10), 0);
    EXPECT_EQ(a.physicalLength(), 4);
    for (int i = 1; i < 5; ++i)
        EXPECT_EQ(a.append(10 + i), i);
    EXPECT_EQ(a.physicalLength(), 8); // doubled once full
    EXPECT_EQ(a.length(), 5);
    a.setPhysicalLength(3);
    EXPECT_EQ(a.logicalLength(), 3);
    EXPECT_EQ(a.physicalLength(), 3);
    a.setLogicalLength(5); // grows by the grow length (4), more than the 3 it has
    EXPECT_EQ(a[4], 0);
    EXPECT_EQ(a.physicalLength(), 7);
    a.removeAll();
    EXPECT_TRUE(a.isEmpty());
    EXPECT_EQ(a.physicalLength(), 7);
}

TEST_F(GeometryTest, ArrayEditsKeepOrder) {
    struct Step {
        const char* what;
        std::function<void(AcArray<int>&)> edit;
        std::vector<int> expected;
    };
    const Step steps[] = {
        {"insertAt front", [](AcArray<int>& a) { a.insertAt(0, 9); }, {9, 1, 2, 3, 4}},
        {"insertAt end", [](AcArray<int>& a) { a.insertAt(4, 9); }, {1, 2, 3, 4, 9}},
        {"insert own element", [](AcArray<int>& a) { a.insertAt(0, a[3]); }, {4, 1, 2, 3, 4}},
        {"removeAt middle", [](AcArray<int>& a) { a.removeAt(1); }, {1, 3, 4}},
        {"removeFirst", [](AcArray<int>& a) { a.removeFirst(); }, {2, 3, 4}},
        {"removeLast", [](AcArray<int>& a) { a.removeLast(); }, {1, 2, 3}},
        {"reverse", [](AcArray<int>& a) { a.reverse(); }, {4, 3, 2, 1}},
        {"append self", [](AcArray<int>& a) { a.append(a); }, {1, 2, 3, 4, 1, 2, 3, 4}}};
    for (const Step& step : steps) {
        AcArray<int> a;
        for (int v : {1, 2, 3, 4})
            a.append(v);
        step.edit(a);
        EXPECT_EQ(std::vector<int>(a.begin(), a.end()), step.expected) << step.what;
    }
}

TEST_F(GeometryTest, ArraySearchAndCopies) {
    AcGePoint3dArray pts;
    for (double x : {0.0, 1.0, 0.0})
        pts.append(AcGePoint3d(x, 0, 0));
    int index = -7;
    EXPECT_TRUE(pts.find(AcGePoint3d(0, 0, 0), index, 1));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(pts.find(AcGePoint3d(5, 0, 0), index));
    EXPECT_EQ(index, 2); // untouched when not found
    EXPECT_FALSE(pts.contains(AcGePoint3d(1, 0, 0), 2));
    EXPECT_TRUE(pts.remove(AcGePoint3d(0, 0, 0), 1));
    EXPECT_EQ(pts.last(), AcGePoint3d(1, 0, 0));
    AcGePoint3dArray copy(pts);
    copy[0].x = 9;
    EXPECT_EQ(pts[0].x, 0.0);
    AcGePoint3dArray moved(std::move(copy));
    EXPECT_TRUE(copy.isEmpty());
    EXPECT_NE(moved, pts);
}

} // namespace
