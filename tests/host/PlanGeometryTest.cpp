// acutAngle, acutPolar and acutDistance.
#include "HostTest.h"
#include "acutads.h"

#include <cmath>

namespace {

class PlanGeometryTest : public HostTest {};

const double kPi = std::acos(-1.0);

} // namespace

TEST_F(PlanGeometryTest, AngleIsMeasuredInThePlanFromZeroToTwoPi) {
    struct Case {
        ads_point from;
        ads_point to;
        double angle;
    };
    const Case cases[] = {
        {{0, 0, 0}, {1, 0, 0}, 0.0},         {{0, 0, 0}, {0, 2, 0}, kPi / 2},
        {{0, 0, 0}, {-1, 0, 5}, kPi},        {{0, 0, 0}, {0, -1, 0}, 3 * kPi / 2},
        {{1, 1, 0}, {0, 0, 0}, 5 * kPi / 4}, {{2, 2, 0}, {2, 2, 9}, 0.0}, // same plan point
    };
    for (const auto& c : cases) {
        double a = acutAngle(c.from, c.to);
        EXPECT_NEAR(a, c.angle, 1e-12);
        EXPECT_GE(a, 0.0);
        EXPECT_LT(a, 2 * kPi);
    }
    EXPECT_EQ(acutAngle(nullptr, cases[0].to), 0.0);
}

TEST_F(PlanGeometryTest, PolarKeepsHeightAndMayWriteOverItsInput) {
    ads_point p = {1.0, 2.0, 3.0};
    acutPolar(p, kPi / 2, 5.0, p);
    EXPECT_NEAR(p[X], 1.0, 1e-12);
    EXPECT_NEAR(p[Y], 7.0, 1e-12);
    EXPECT_EQ(p[Z], 3.0);
    acutPolar(p, kPi, 2.0, nullptr); // nothing to write: no effect
}

TEST_F(PlanGeometryTest, DistanceIsThreeDimensional) {
    ads_point a = {0.0, 0.0, 0.0};
    ads_point b = {3.0, 4.0, 12.0};
    EXPECT_DOUBLE_EQ(acutDistance(a, b), 13.0);
    EXPECT_DOUBLE_EQ(acutDistance(b, b), 0.0);
    EXPECT_EQ(acutDistance(a, nullptr), 0.0);
}
