// acdbDisToF in decimal units: what the host's distance parser takes and
// refuses; and acdbInters.
#include "HostTest.h"

#include "acedads.h"

#include <cmath>

namespace {

class DistanceParserTest : public HostTest {};

struct Row {
    const wchar_t* text;
    int rc;
    double value;
};

const Row kRows[] = {
    {L"12.35", RTNORM, 12.35}, {L"0", RTNORM, 0.0},        {L"-3", RTNORM, -3.0},
    {L"+3", RTNORM, 3.0},      {L".5", RTNORM, 0.5},       {L"5.", RTNORM, 5.0},
    {L"1e3", RTNORM, 1000.0},  {L"1.5E-2", RTNORM, 0.015}, {L"2e+1", RTNORM, 20.0},
    {L"  7 ", RTNORM, 7.0},    {L"\t8", RTNORM, 8.0},      {L"", RTERROR, 0},
    {L" ", RTERROR, 0},        {L"abc", RTERROR, 0},       {L"12a", RTERROR, 0},
    {L"1.2.3", RTERROR, 0},    {L"1,5", RTERROR, 0},       {L"-", RTERROR, 0},
    {L".", RTERROR, 0},        {L"1e", RTERROR, 0},        {L"e5", RTERROR, 0},
    {L"1 2", RTERROR, 0},      {L"--1", RTERROR, 0},       {L"1e999", RTERROR, 0},
    {L"inf", RTERROR, 0},      {L"0x10", RTERROR, 0},      {L"３", RTERROR, 0},
};

} // namespace

TEST_F(DistanceParserTest, DecimalUnitsTable) {
    for (const Row& row : kRows) {
        double v = -999.0;
        EXPECT_EQ(acdbDisToF(row.text, 2, &v), row.rc) << row.text;
        if (row.rc == RTNORM)
            EXPECT_DOUBLE_EQ(v, row.value) << row.text;
        else
            EXPECT_EQ(v, -999.0) << row.text;
    }
}

TEST_F(DistanceParserTest, UnitsAndNullInput) {
    double v = 0;
    EXPECT_EQ(acdbDisToF(L"4", -1, &v), RTNORM);
    EXPECT_EQ(acdbDisToF(L"4", 1, &v), RTNORM);
    EXPECT_EQ(acdbDisToF(L"4", 4, &v), RTERROR);
    EXPECT_EQ(acdbDisToF(nullptr, 2, &v), RTERROR);
    EXPECT_EQ(acdbDisToF(L"4", 2, nullptr), RTERROR);
}

TEST_F(DistanceParserTest, IntersOfLinesAndSegments) {
    struct Case {
        ads_point a, b, c, d;
        int teston;
        int rc;
        double x, y;
    };
    const Case cases[] = {
        {{0, 0, 0}, {10, 0, 0}, {5, -5, 0}, {5, 5, 0}, 1, RTNORM, 5, 0},
        {{0, 0, 0}, {1, 0, 0}, {5, -5, 0}, {5, 5, 0}, 1, RTNONE, 0, 0},
        {{0, 0, 0}, {1, 0, 0}, {5, -5, 0}, {5, 5, 0}, 0, RTNORM, 5, 0},
        {{0, 0, 0}, {1, 1, 0}, {0, 1, 0}, {1, 2, 0}, 0, RTNONE, 0, 0},
        {{0, 0, 0}, {10, 0, 0}, {10, 0, 0}, {10, 5, 0}, 1, RTNORM, 10, 0},
        {{0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, 0, RTNONE, 0, 0},
    };
    for (const Case& k : cases) {
        ads_point r = {0, 0, 0};
        EXPECT_EQ(acdbInters(k.a, k.b, k.c, k.d, k.teston, r), k.rc);
        if (k.rc == RTNORM) {
            EXPECT_NEAR(r[X], k.x, 1e-12);
            EXPECT_NEAR(r[Y], k.y, 1e-12);
        }
    }
    ads_point r;
    EXPECT_EQ(acdbInters(nullptr, r, r, r, 0, r), RTERROR);
}
