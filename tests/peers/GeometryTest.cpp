// The base platform's geometry: point equality, segment hit tests and the
// tolerance boundary, the geometry list, number text and the main directory.
#include "HostTest.h"
#include "HxAecGeometry.h"
#include "HxAecUtility.h"

#include <cstdlib>

namespace {

const double kTol = HxGeTolerance();

class Geometry : public HostTest {};

struct PointCase {
    const char* name;
    HxGePoint a, b;
    bool equal3d, equal2d;
};

TEST_F(Geometry, PointEqualityWithinTolerance) {
    const PointCase cases[] = {
        {"same", {1, 2, 3}, {1, 2, 3}, true, true},
        {"x at tolerance", {0, 0, 0}, {kTol, 0, 0}, true, true},
        {"x past tolerance", {0, 0, 0}, {2 * kTol, 0, 0}, false, false},
        {"diagonal inside", {0, 0, 0}, {0.7 * kTol, 0.7 * kTol, 0}, true, true},
        {"diagonal outside", {0, 0, 0}, {0.8 * kTol, 0.8 * kTol, 0}, false, false},
        {"z only differs", {5, 5, 0}, {5, 5, 10}, false, true},
        {"z within tolerance", {5, 5, 0}, {5, 5, 0.5 * kTol}, true, true},
        {"far coordinates", {1e7, 1e7, 0}, {1e7 + 0.5 * kTol, 1e7, 0}, true, true},
    };
    for (const PointCase& c : cases) {
        EXPECT_EQ(c.a.Equal3d(c.b), c.equal3d) << c.name;
        EXPECT_EQ(c.b.Equal3d(c.a), c.equal3d) << c.name << " (swapped)";
        EXPECT_EQ(HxGePoint2d(c.a) == HxGePoint2d(c.b), c.equal2d) << c.name;
        EXPECT_EQ(HxGePoint2d(c.a) != HxGePoint2d(c.b), !c.equal2d) << c.name;
    }
    // A host point passes as a product point of the same layout.
    const HxGePoint p = AcGePoint3d(1.5, -2.5, 3.0);
    EXPECT_TRUE(p.Equal3d(HxGePoint(1.5, -2.5, 3.0)));
    static_assert(sizeof(HxGePoint) == sizeof(AcGePoint3d));
}

struct HitCase {
    const char* name;
    HxGePoint point;
    bool hit3d, hit2d;
};

TEST_F(Geometry, SegmentHitTestsIncludeEndsWithinTolerance) {
    // Segment from (0,0,0) to (10,0,10): rises along its length.
    const HxGeLineSeg3d seg3(HxGePoint(0, 0, 0), HxGePoint(10, 0, 10));
    const HxGeLineSeg2d seg2(HxGePoint(0, 0, 0), HxGePoint(10, 0, 10));
    const HitCase cases[] = {
        {"start", {0, 0, 0}, true, true},
        {"end", {10, 0, 10}, true, true},
        {"middle", {5, 0, 5}, true, true},
        {"middle at plan height 0", {5, 0, 0}, false, true},
        {"beside within tolerance", {5, 0.5 * kTol, 5}, true, true},
        {"beside past tolerance", {5, 2 * kTol, 5}, false, false},
        {"past the end within tolerance", {10 + 0.5 * kTol, 0, 10}, true, true},
        {"past the end", {10 + 2 * kTol, 0, 10}, false, false},
        {"before the start", {-1, 0, -1}, false, false},
    };
    for (const HitCase& c : cases) {
        EXPECT_EQ(seg3.HitTest(c.point).GetBit(0), c.hit3d) << c.name;
        EXPECT_EQ(seg2.HitTest(c.point).GetBit(0), c.hit2d) << c.name;
    }
    // A segment of zero length is hit only at its point.
    const HxGeLineSeg3d seg(HxGePoint(1, 1, 1), HxGePoint(1, 1, 1));
    EXPECT_TRUE(seg.HitTest(HxGePoint(1, 1, 1)).GetBit(0));
    EXPECT_FALSE(seg.HitTest(HxGePoint(1, 1 + 2 * kTol, 1)).GetBit(0));
}

TEST_F(Geometry, ObjectListCopiesAreIndependent) {
    HxGeObjList a;
    a.Append(HxGePoint(1, 2, 3));
    HxGeObjList b(a);
    b.Append(HxGePoint(4, 5, 6));
    HxGeObjList c;
    c = b;
    a.RemoveAll();
    EXPECT_EQ(a.Count(), 0);
    EXPECT_EQ(b.Count(), 2);
    ASSERT_EQ(c.Count(), 2);
    EXPECT_TRUE(c.At(1).Equal3d(HxGePoint(4, 5, 6)));
}

struct FtoaCase {
    double value;
    int decimals;
    bool trim;
    const wchar_t* text;
};

TEST_F(Geometry, FtoaGivesPlainDigits) {
    const FtoaCase cases[] = {
        {0.0, 0, true, L"0"},   {42.0, 0, true, L"42"}, {1e15, 0, true, L"1000000000000000"},
        {-0.0, 0, true, L"0"},  {-0.4, 0, true, L"0"},  {2.5, 2, false, L"2.50"},
        {2.5, 2, true, L"2.5"}, {3.0, 3, true, L"3"},   {-1.25, 1, false, L"-1.2"},
        {7.0, -3, true, L"7"},
    };
    for (const FtoaCase& c : cases)
        EXPECT_STREQ(ftoa(c.value, c.decimals, c.trim).GetString(), c.text) << c.value;
}

TEST_F(Geometry, MainDirectoryEndsInOneBackslash) {
    const char* old = std::getenv("HXWT_MAIN_DIR");
    const std::string saved = old ? old : "";
    for (const char* dir : {"/opt/hxwt/", "/opt/hxwt"}) {
        setenv("HXWT_MAIN_DIR", dir, 1);
        EXPECT_STREQ(GetMainDirectory().GetString(), L"/opt/hxwt\\") << dir;
    }
    unsetenv("HXWT_MAIN_DIR");
    const CString cwd = GetMainDirectory();
    EXPECT_GT(cwd.GetLength(), 1);
    EXPECT_EQ(cwd[cwd.GetLength() - 1], L'\\');
    if (old != nullptr)
        setenv("HXWT_MAIN_DIR", saved.c_str(), 1);
}

} // namespace
