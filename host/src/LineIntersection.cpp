// acdbInters: where two lines meet in plan.
#include "acdbads.h"

#include <cmath>

namespace {

// Whether parameter t lies on a segment, ends included, with a relative
// tolerance.
bool onSegment(double t) {
    const double tol = 1e-10;
    return t >= -tol && t <= 1.0 + tol;
}

} // namespace

int acdbInters(const ads_point from1, const ads_point to1, const ads_point from2,
               const ads_point to2, int teston, ads_point result) {
    if (from1 == nullptr || to1 == nullptr || from2 == nullptr || to2 == nullptr ||
        result == nullptr)
        return RTERROR;
    const double dx1 = to1[X] - from1[X];
    const double dy1 = to1[Y] - from1[Y];
    const double dx2 = to2[X] - from2[X];
    const double dy2 = to2[Y] - from2[Y];
    const double denom = dx1 * dy2 - dy1 * dx2;
    if (denom == 0.0)
        return RTNONE;
    const double ex = from2[X] - from1[X];
    const double ey = from2[Y] - from1[Y];
    const double t = (ex * dy2 - ey * dx2) / denom;
    const double u = (ex * dy1 - ey * dx1) / denom;
    if (teston != 0 && (!onSegment(t) || !onSegment(u)))
        return RTNONE;
    result[X] = from1[X] + t * dx1;
    result[Y] = from1[Y] + t * dy1;
    result[Z] = from1[Z] + t * (to1[Z] - from1[Z]);
    return RTNORM;
}
