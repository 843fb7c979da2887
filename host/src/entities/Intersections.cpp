// Plan intersections of lines and polylines (intersectWith) and of two lines
// given by points (acdbInters).
#include "acutads.h"
#include "dbents.h"
#include "dbpl.h"

#include <cmath>
#include <vector>

namespace {

constexpr double kParallel = 1e-12;
constexpr double kOnSegment = 1e-10;

struct PlanSegment {
    AcGePoint3d from;
    AcGePoint3d to;
};

// The straight segments of an entity (bulged polyline segments as chords);
// false for kinds that do not intersect here.
bool segmentsOf(const AcDbEntity* ent, std::vector<PlanSegment>& out, bool& isLine) {
    isLine = false;
    if (const AcDbLine* line = AcDbLine::cast(ent)) {
        isLine = true;
        out.push_back({line->startPoint(), line->endPoint()});
        return true;
    }
    const AcDbPolyline* pline = AcDbPolyline::cast(ent);
    if (pline == nullptr)
        return false;
    const unsigned n = pline->numVerts();
    const unsigned count = pline->isClosed() ? n : (n == 0 ? 0 : n - 1);
    for (unsigned i = 0; i < count && n > 1; ++i) {
        AcGePoint3d a;
        AcGePoint3d b;
        pline->getPointAt(i, a);
        pline->getPointAt((i + 1) % n, b);
        out.push_back({a, b});
    }
    return true;
}

bool within(double t, bool unbounded) {
    return unbounded || (t >= -kOnSegment && t <= 1 + kOnSegment);
}

// The meeting point of two segments in the plan (z along s); false when
// parallel or outside a bounded one.
bool meet(const PlanSegment& s, const PlanSegment& o, bool extendS, bool extendO, AcGePoint3d& at) {
    const double rx = s.to.x - s.from.x;
    const double ry = s.to.y - s.from.y;
    const double qx = o.to.x - o.from.x;
    const double qy = o.to.y - o.from.y;
    const double denom = rx * qy - ry * qx;
    if (std::fabs(denom) < kParallel)
        return false;
    const double dx = o.from.x - s.from.x;
    const double dy = o.from.y - s.from.y;
    const double t = (dx * qy - dy * qx) / denom;
    const double u = (dx * ry - dy * rx) / denom;
    if (!within(t, extendS) || !within(u, extendO))
        return false;
    at.set(s.from.x + t * rx, s.from.y + t * ry, s.from.z + t * (s.to.z - s.from.z));
    return true;
}

void appendUnique(AcGePoint3dArray& points, const AcGePoint3d& pt, int firstNew) {
    for (int i = firstNew; i < points.length(); ++i) {
        if (points[i] == pt)
            return;
    }
    points.append(pt);
}

} // namespace

namespace hxhost {

// The shared part of AcDbLine's and AcDbPolyline's intersectWith.
Acad::ErrorStatus intersectPlan(const AcDbEntity& self, const AcDbEntity* other,
                                AcDb::Intersect intType, AcGePoint3dArray& points) {
    if (other == nullptr)
        return Acad::eInvalidInput;
    std::vector<PlanSegment> mine;
    std::vector<PlanSegment> theirs;
    bool selfLine = false;
    bool otherLine = false;
    if (!segmentsOf(&self, mine, selfLine) || !segmentsOf(other, theirs, otherLine))
        return Acad::eNotApplicable;
    const bool extendSelf =
        selfLine && (intType == AcDb::kExtendThis || intType == AcDb::kExtendBoth);
    const bool extendOther =
        otherLine && (intType == AcDb::kExtendArg || intType == AcDb::kExtendBoth);
    const int firstNew = points.length();
    for (const PlanSegment& s : mine) {
        for (const PlanSegment& o : theirs) {
            AcGePoint3d at;
            if (meet(s, o, extendSelf, extendOther, at))
                appendUnique(points, at, firstNew);
        }
    }
    return Acad::eOk;
}

} // namespace hxhost

Acad::ErrorStatus AcDbEntity::intersectWith(const AcDbEntity* entity, AcDb::Intersect,
                                            AcGePoint3dArray&, Adesk::GsMarker,
                                            Adesk::GsMarker) const {
    return entity == nullptr ? Acad::eInvalidInput : Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbLine::intersectWith(const AcDbEntity* entity, AcDb::Intersect intType,
                                          AcGePoint3dArray& points, Adesk::GsMarker,
                                          Adesk::GsMarker) const {
    return hxhost::intersectPlan(*this, entity, intType, points);
}

Acad::ErrorStatus AcDbPolyline::intersectWith(const AcDbEntity* entity, AcDb::Intersect intType,
                                              AcGePoint3dArray& points, Adesk::GsMarker,
                                              Adesk::GsMarker) const {
    return hxhost::intersectPlan(*this, entity, intType, points);
}

int acdbInters(const ads_point from1, const ads_point to1, const ads_point from2,
               const ads_point to2, int teston, ads_point result) {
    if (from1 == nullptr || to1 == nullptr || from2 == nullptr || to2 == nullptr ||
        result == nullptr)
        return RTERROR;
    const PlanSegment a{{from1[X], from1[Y], from1[Z]}, {to1[X], to1[Y], to1[Z]}};
    const PlanSegment b{{from2[X], from2[Y], from2[Z]}, {to2[X], to2[Y], to2[Z]}};
    AcGePoint3d at;
    if (!meet(a, b, teston == 0, teston == 0, at))
        return RTNONE;
    result[X] = at.x;
    result[Y] = at.y;
    result[Z] = at.z;
    return RTNORM;
}
