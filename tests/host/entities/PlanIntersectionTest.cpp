// Plan intersections: AcDbPolyline::intersectWith against lines, the
// polyline's extents, and acdbInters. acutAngle and acutPolar, which the
// elevation code builds on too, are pinned through tests/elevation.
#include "HostTest.h"

#include "acutads.h"
#include "dbents.h"
#include "dbpl.h"

#include <memory>
#include <string>
#include <vector>

namespace {

class PlanIntersectionTest : public HostTest {
protected:
    // The square (0,0)-(4,0)-(4,4)-(0,4) at elevation 3, closed or open.
    static std::unique_ptr<AcDbPolyline> square(bool closed) {
        auto pline = std::make_unique<AcDbPolyline>();
        const AcGePoint2d corners[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
        for (unsigned i = 0; i < 4; ++i)
            pline->addVertexAt(i, corners[i]);
        pline->setClosed(closed);
        pline->setElevation(3);
        return pline;
    }
};

struct HitCase {
    const char* what;
    AcGePoint3d from;
    AcGePoint3d to;
    bool closed;
    AcDb::Intersect mode;
    std::vector<AcGePoint2d> hits; // in the order of the polyline's segments
};

TEST_F(PlanIntersectionTest, PolylineAgainstLine) {
    const auto both = AcDb::kOnBothOperands;
    const HitCase cases[] = {
        {"crossing", {-1, 2, 0}, {5, 2, 0}, true, both, {{4, 2}, {0, 2}}},
        {"open: no closing side", {-1, 2, 0}, {5, 2, 0}, false, both, {{4, 2}}},
        {"touching at a vertex: once", {4, 4, 0}, {6, 6, 0}, true, both, {{4, 4}}},
        {"missing", {5, 5, 0}, {6, 7, 0}, true, both, {}},
        {"collinear inside a side", {1, 0, 0}, {3, 0, 0}, true, both, {}},
        {"collinear over a side: its ends", {-1, 0, 0}, {5, 0, 0}, true, both, {{4, 0}, {0, 0}}},
        {"line extended", {5, 2, 0}, {6, 2, 0}, true, AcDb::kExtendArg, {{4, 2}, {0, 2}}}};
    for (const HitCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto pline = square(c.closed);
        const AcDbLine line(c.from, c.to);
        AcGePoint3dArray points;
        ASSERT_EQ(pline->intersectWith(&line, c.mode, points), Acad::eOk);
        ASSERT_EQ(points.length(), static_cast<int>(c.hits.size()));
        for (int i = 0; i < points.length(); ++i) {
            EXPECT_NEAR(points[i].x, c.hits[i].x, 1e-9);
            EXPECT_NEAR(points[i].y, c.hits[i].y, 1e-9);
            EXPECT_DOUBLE_EQ(points[i].z, 3.0); // on the polyline, at its elevation
        }
    }
}

TEST_F(PlanIntersectionTest, LineAgainstPolylineTakesTheLinesHeight) {
    const auto pline = square(true);
    const AcDbLine line({2, -1, 10}, {2, 5, 10});
    AcGePoint3dArray points;
    ASSERT_EQ(line.intersectWith(pline.get(), AcDb::kOnBothOperands, points), Acad::eOk);
    ASSERT_EQ(points.length(), 2);
    EXPECT_EQ(points[0], AcGePoint3d(2, 0, 10));
    EXPECT_EQ(points[1], AcGePoint3d(2, 4, 10));
}

struct ExtentsCase {
    const char* what;
    std::vector<AcGePoint2d> vertices;
    std::vector<double> bulges;
    bool closed;
    AcGePoint2d min;
    AcGePoint2d max;
};

TEST_F(PlanIntersectionTest, PolylineExtentsHoldVerticesAndArcs) {
    const ExtentsCase cases[] = {
        {"straight", {{0, 0}, {4, -1}, {2, 3}}, {0, 0, 0}, false, {0, -1}, {4, 3}},
        {"half circle right", {{0, 0}, {4, 0}}, {1, 0}, false, {0, -2}, {4, 0}},
        {"last bulge, closed", {{0, 0}, {4, 0}}, {0, 1}, true, {0, 0}, {4, 2}}};
    for (const ExtentsCase& c : cases) {
        SCOPED_TRACE(c.what);
        AcDbPolyline pline;
        for (unsigned i = 0; i < c.vertices.size(); ++i)
            pline.addVertexAt(i, c.vertices[i], c.bulges[i]);
        pline.setClosed(c.closed);
        pline.setElevation(-2);
        AcDbExtents box;
        ASSERT_EQ(pline.getGeomExtents(box), Acad::eOk);
        EXPECT_NEAR(box.minPoint().x, c.min.x, 1e-9);
        EXPECT_NEAR(box.minPoint().y, c.min.y, 1e-9);
        EXPECT_NEAR(box.maxPoint().x, c.max.x, 1e-9);
        EXPECT_NEAR(box.maxPoint().y, c.max.y, 1e-9);
        EXPECT_DOUBLE_EQ(box.minPoint().z, -2.0);
        EXPECT_DOUBLE_EQ(box.maxPoint().z, -2.0);
    }
    AcDbExtents untouched;
    EXPECT_EQ(AcDbPolyline().getGeomExtents(untouched), Acad::eInvalidExtents);
}

struct IntersCase {
    const char* what;
    ads_point from1, to1, from2, to2;
    int teston;
    int status;
    ads_point at;
};

TEST_F(PlanIntersectionTest, IntersOfTwoLines) {
    const IntersCase cases[] = {
        {"crossing", {0, 0, 0}, {4, 4, 0}, {0, 4, 0}, {4, 0, 0}, 1, RTNORM, {2, 2, 0}},
        {"beyond, teston", {0, 0, 0}, {1, 1, 0}, {0, 4, 0}, {4, 0, 0}, 1, RTNONE, {}},
        {"beyond, teston off", {0, 0, 0}, {1, 1, 0}, {0, 4, 0}, {4, 0, 0}, 0, RTNORM, {2, 2, 0}},
        {"height of line 1", {0, 0, 0}, {4, 4, 8}, {0, 4, 99}, {4, 0, 99}, 1, RTNORM, {2, 2, 4}},
        {"parallel", {0, 0, 0}, {4, 0, 0}, {0, 1, 0}, {4, 1, 0}, 0, RTNONE, {}},
        {"first line a point", {1, 1, 0}, {1, 1, 0}, {0, 4, 0}, {4, 0, 0}, 0, RTNONE, {}}};
    for (const IntersCase& c : cases) {
        SCOPED_TRACE(c.what);
        ads_point result = {-7, -7, -7};
        ASSERT_EQ(acdbInters(c.from1, c.to1, c.from2, c.to2, c.teston, result), c.status);
        const bool met = c.status == RTNORM;
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(result[k], met ? c.at[k] : -7.0, 1e-12); // untouched when not met
    }
}

} // namespace
