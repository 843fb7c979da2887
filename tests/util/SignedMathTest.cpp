// Signed square root and power around zero, and the UCS rotation read from
// "UCSXDIR".
#include "HostTest.h"

#include <cmath>

#include "HxAecGeometry.h"
#include "HxWtNumUtil.h"
#include "hxhost/Session.h"

namespace {

class SignedMathTest : public HostTest {};

TEST_F(SignedMathTest, SquareRootKeepsTheSign) {
    EXPECT_DOUBLE_EQ(HxWtSqrt(9.0), 3.0);
    EXPECT_DOUBLE_EQ(HxWtSqrt(-9.0), -3.0);
    EXPECT_EQ(HxWtSqrt(0.0), 0.0);
    EXPECT_TRUE(std::isnan(HxWtSqrt(std::nan(""))));
}

TEST_F(SignedMathTest, PowerPutsTheSignBackOnClearlyNegativeBases) {
    const struct {
        double base;
        double exponent;
        double expected;
    } cases[] = {
        {-2.0, 2.0, -4.0}, {-2.0, 3.0, -8.0}, {-2.0, 0.5, -std::sqrt(2.0)},
        {2.0, 3.0, 8.0},   {-8.0, 0.0, -1.0}, {0.0, 0.0, 1.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(HxWtPow(c.base, c.exponent), c.expected) << c.base << "^" << c.exponent;
}

TEST_F(SignedMathTest, PowerLeavesBasesWithinTheToleranceToTheRuntime) {
    // A base between -g_fZero and 0 goes to pow unchanged: a fractional
    // exponent then gives NaN, as the runtime does.
    ASSERT_GT(g_fZero, 0.0);
    const double tiny = -g_fZero / 2;
    EXPECT_TRUE(std::isnan(HxWtPow(tiny, 0.5)));
    EXPECT_DOUBLE_EQ(HxWtPow(tiny, 2.0), std::pow(tiny, 2.0));
}

TEST_F(SignedMathTest, RotationFollowsTheUcsXAxis) {
    const struct {
        double x;
        double y;
        double angle;
    } cases[] = {
        {1, 0, 0.0}, {0, 1, M_PI / 2}, {-1, 0, M_PI}, {0, -1, -M_PI / 2}, {1, 1, M_PI / 4},
    };
    for (const auto& c : cases) {
        resbuf dir{};
        dir.restype = RT3DPOINT;
        dir.resval.rpoint[X] = c.x;
        dir.resval.rpoint[Y] = c.y;
        ASSERT_TRUE(hxhost::setSystemVariable(L"UCSXDIR", &dir));
        EXPECT_NEAR(HxWtGetUcsRotation(), c.angle, 1e-12) << c.x << "," << c.y;
    }
}

} // namespace
