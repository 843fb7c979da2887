// The host's plan geometry helpers on ads points.
#include "acutads.h"

#include <cmath>

namespace {
const double kTwoPi = 2.0 * std::acos(-1.0);
}

ads_real acutAngle(const ads_point pt1, const ads_point pt2) {
    if (pt1 == nullptr || pt2 == nullptr)
        return 0.0;
    double angle = std::atan2(pt2[Y] - pt1[Y], pt2[X] - pt1[X]);
    if (angle < 0.0)
        angle += kTwoPi;
    return angle >= kTwoPi ? 0.0 : angle;
}

void acutPolar(const ads_point pt, ads_real angle, ads_real dist, ads_point result) {
    if (pt == nullptr || result == nullptr)
        return;
    double x = pt[X] + dist * std::cos(angle);
    double y = pt[Y] + dist * std::sin(angle);
    double z = pt[Z];
    result[X] = x;
    result[Y] = y;
    result[Z] = z;
}

ads_real acutDistance(const ads_point pt1, const ads_point pt2) {
    if (pt1 == nullptr || pt2 == nullptr)
        return 0.0;
    return std::sqrt((pt2[X] - pt1[X]) * (pt2[X] - pt1[X]) + (pt2[Y] - pt1[Y]) * (pt2[Y] - pt1[Y]) +
                     (pt2[Z] - pt1[Z]) * (pt2[Z] - pt1[Z]));
}
