// AcGeVector2d: a displacement in the plane (two doubles). A value type.
#pragma once

#include "gegbl.h"

class AcGeVector2d {
public:
    AcGeVector2d() = default;
    AcGeVector2d(double xx, double yy) : x(xx), y(yy) {}

    static HX_GE_API const AcGeVector2d kXAxis;
    static HX_GE_API const AcGeVector2d kYAxis;

    double length() const;
    bool isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const;
    // The unit vector of the same direction; a zero-length vector gives itself.
    AcGeVector2d normal(const AcGeTol& tol = AcGeContext::gTol) const;
    double dotProduct(const AcGeVector2d& v) const { return x * v.x + y * v.y; }
    bool isEqualTo(const AcGeVector2d& v, const AcGeTol& tol = AcGeContext::gTol) const;

    AcGeVector2d operator+(const AcGeVector2d& v) const { return {x + v.x, y + v.y}; }
    AcGeVector2d operator-(const AcGeVector2d& v) const { return {x - v.x, y - v.y}; }
    AcGeVector2d operator-() const { return {-x, -y}; }
    AcGeVector2d operator*(double s) const { return {x * s, y * s}; }
    AcGeVector2d operator/(double s) const { return {x / s, y / s}; }
    bool operator==(const AcGeVector2d& v) const { return isEqualTo(v); }
    bool operator!=(const AcGeVector2d& v) const { return !isEqualTo(v); }

    double x = 0.0;
    double y = 0.0;
};
