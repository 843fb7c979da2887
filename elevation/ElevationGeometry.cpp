// HxWtPointElevUtility: the plan geometry of interpolation: feet of
// perpendiculars, the level along two samples, the inside test and the level
// from three samples.
#include "HxWtPointElevUtility.h"
#include "NearestSlots.h"
#include "dbpl.h"

#include <cmath>

namespace {

constexpr double kOnLine = 0.001;  // on a line, on a sample, on the outline
constexpr double kAngleTol = 1e-5; // angle normalisation
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kAuxLength = 100.0; // the auxiliary segment of a perpendicular

AcGePoint3d flat(const AcGePoint3d& p) {
    return AcGePoint3d(p.x, p.y, 0.0);
}

double normalised(double angle) {
    while (angle - kTwoPi > kAngleTol)
        angle -= kTwoPi;
    while (angle < 0.0)
        angle += kTwoPi;
    if (std::fabs(angle - kTwoPi) < kAngleTol)
        angle = 0.0;
    return angle;
}

} // namespace

void HxWtPointElevUtility::PerPoint(AcGePoint3d a, AcGePoint3d b, AcGePoint3d pt,
                                    AcGePoint3d& foot) {
    const ads_point fa = {a.x, a.y, 0.0};
    const ads_point fb = {b.x, b.y, 0.0};
    const ads_point fq = {pt.x, pt.y, 0.0};
    ads_point r;
    acutPolar(fq, acutAngle(fa, fb) + kHalfPi, kAuxLength, r);
    // Lines that do not meet in one point (a and b coincide in plan) leave the
    // foot at a.
    ads_point meet = {fa[X], fa[Y], 0.0};
    acdbInters(fa, fb, fq, r, 0, meet);
    foot.set(meet[X], meet[Y], 0.0);
}

double HxWtPointElevUtility::Compute2PointElev(AcGePoint3d first, AcGePoint3d second,
                                               AcGePoint3d pt) {
    const AcGePoint3d a = flat(first), b = flat(second), q = flat(pt);
    const double ab = a.distanceTo(b);
    if (ab == 0.0)
        return first.z;
    AcGePoint3d f;
    PerPoint(a, b, q, f);
    const double slope = (first.z - second.z) / ab;
    const ads_point pa = {a.x, a.y, 0.0}, pb = {b.x, b.y, 0.0}, pf = {f.x, f.y, 0.0};
    const double alpha = normalised(acutAngle(pa, pb));
    const double beta = normalised(acutAngle(pa, pf));
    const double sign = std::fabs(alpha - beta) > kOnLine ? -1.0 : 1.0;
    return first.z - sign * slope * a.distanceTo(f);
}

int HxWtPointElevUtility::PointInPolyline(AcGePoint3d pt, AcDbPolyline* polyline) {
    AcDbExtents ext;
    if (polyline == nullptr || polyline->getGeomExtents(ext) != Acad::eOk)
        return 0;
    const double len = ext.minPoint().distanceTo(ext.maxPoint());
    const AcGePoint3d ends[3] = {AcGePoint3d(pt.x + len, pt.y, pt.z),
                                 AcGePoint3d(pt.x, pt.y + len, pt.z),
                                 AcGePoint3d(pt.x - len, pt.y, pt.z)};
    AcDbLine* ray = new AcDbLine;
    int odd = 0;
    bool onOutline = false;
    for (const AcGePoint3d& end : ends) {
        ray->setStartPoint(pt);
        ray->setEndPoint(end);
        AcGePoint3dArray hits;
        ray->intersectWith(polyline, AcDb::kOnBothOperands, hits);
        for (int i = 0; i < hits.length() && !onOutline; ++i)
            onOutline = hits[i].distanceTo(pt) < kOnLine;
        if (onOutline)
            break;
        odd += hits.length() % 2;
    }
    delete ray;
    return !onOutline && odd >= 2 ? 1 : 0;
}

double HxWtPointElevUtility::GetPlaneZ(AcGePoint3d p1, AcGePoint3d p2, AcGePoint3d p3,
                                       AcGePoint3d pt) {
    const AcGePoint3d a1 = flat(p1), a2 = flat(p2), a3 = flat(p3), q = flat(pt);
    const double d1 = q.distanceTo(a1), d2 = q.distanceTo(a2), d3 = q.distanceTo(a3);
    AcGePoint3d f;
    PerPoint(a1, a2, a3, f);
    if (a3.distanceTo(f) > kOnLine) {
        AcDbPolyline* outline = new AcDbPolyline;
        const AcGePoint3d corners[4] = {a1, a2, a3, a1};
        for (unsigned i = 0; i < 4; ++i)
            outline->addVertexAt(i, AcGePoint2d(corners[i].x, corners[i].y), 0.0, -1.0, -1.0, 0);
        const int inside = PointInPolyline(q, outline);
        delete outline;
        if (inside == 0) {
            if (d2 > d1)
                return d3 > d1 ? p1.z : p3.z;
            return d3 > d2 ? p2.z : p3.z;
        }
        const double dx2 = p2.x - p1.x, dy2 = p2.y - p1.y, dz2 = p2.z - p1.z;
        const double dx3 = p3.x - p1.x, dy3 = p3.y - p1.y, dz3 = p3.z - p1.z;
        const double nx = dy2 * dz3 - dy3 * dz2;
        const double ny = dx3 * dz2 - dx2 * dz3;
        const double nz = dx2 * dy3 - dx3 * dy2;
        if (nz == 0.0)
            return 0.0;
        return ((nx * p1.x + ny * p1.y + nz * p1.z) - (nx * pt.x + ny * pt.y)) / nz;
    }
    PerPoint(a1, a2, q, f);
    if (f.distanceTo(a1) < kOnLine)
        return p1.z;
    if (f.distanceTo(a2) < kOnLine)
        return p2.z;
    if (f.distanceTo(a3) < kOnLine)
        return p3.z;
    const double s12 = d1 + d2, s13 = d1 + d3, s23 = d2 + d3;
    if (s12 < s13 && s12 < s23)
        return Compute2PointElev(p1, p2, pt);
    if (s13 < s23)
        return Compute2PointElev(p1, p3, pt);
    return Compute2PointElev(p2, p3, pt);
}
