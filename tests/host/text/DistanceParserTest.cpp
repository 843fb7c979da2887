// acdbDisToF in decimal units: what the host's distance parser takes and
// refuses.
#include "HostTest.h"

#include "acedads.h"

namespace {

class DistanceParserTest : public HostTest {};

struct Row {
    const wchar_t* text;
    int rc;
    double value;
};

// Plain numbers, signs, blanks and commas as the elevation code meets them
// are pinned through tests/elevation; these rows hold the other rules.
const Row kRows[] = {
    {L"+3", RTNORM, 3.0},   {L".5", RTNORM, 0.5}, {L"5.", RTNORM, 5.0},  {L"1.5E-2", RTNORM, 0.015},
    {L"\t8", RTNORM, 8.0},  {L" ", RTERROR, 0},   {L"12a", RTERROR, 0},  {L"1.2.3", RTERROR, 0},
    {L".", RTERROR, 0},     {L"1e", RTERROR, 0},  {L"1 2", RTERROR, 0},  {L"--1", RTERROR, 0},
    {L"1e999", RTERROR, 0}, {L"inf", RTERROR, 0}, {L"0x10", RTERROR, 0}, {L"３", RTERROR, 0}};

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
