// AcGePoint2d: a position in the plane (two doubles). A value type; equality
// within the tolerance's equalPoint (AcGeContext::gTol by default).
#pragma once

#include "gevec2d.h"

class AcGePoint2d {
public:
    AcGePoint2d() = default;
    AcGePoint2d(double xx, double yy) : x(xx), y(yy) {}

    static HX_GE_API const AcGePoint2d kOrigin;

    AcGePoint2d& set(double xx, double yy) {
        x = xx;
        y = yy;
        return *this;
    }
    double distanceTo(const AcGePoint2d& p) const;
    bool isEqualTo(const AcGePoint2d& p, const AcGeTol& tol = AcGeContext::gTol) const;
    AcGeVector2d asVector() const { return {x, y}; }

    AcGePoint2d operator+(const AcGeVector2d& v) const { return {x + v.x, y + v.y}; }
    AcGePoint2d operator-(const AcGeVector2d& v) const { return {x - v.x, y - v.y}; }
    AcGeVector2d operator-(const AcGePoint2d& p) const { return {x - p.x, y - p.y}; }
    bool operator==(const AcGePoint2d& p) const { return isEqualTo(p); }
    bool operator!=(const AcGePoint2d& p) const { return !isEqualTo(p); }
    // Coordinates by index 0..1; any other index is a caller error (asserted).
    double operator[](unsigned int i) const;
    double& operator[](unsigned int i);

    double x = 0.0;
    double y = 0.0;
};
