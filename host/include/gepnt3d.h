// AcGePoint3d: a position in space (three doubles, drawing units, world
// coordinates). A value type, laid out as x, y, z with nothing else.
//
// Equality (isEqualTo, ==, !=) holds when the distance is within the
// tolerance's equalPoint (AcGeContext::gTol by default).
#pragma once

#include "gevec3d.h"

class AcGePoint3d {
public:
    AcGePoint3d() = default;
    AcGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

    static HX_GE_API const AcGePoint3d kOrigin;

    AcGePoint3d& set(double xx, double yy, double zz) {
        x = xx;
        y = yy;
        z = zz;
        return *this;
    }

    double distanceTo(const AcGePoint3d& p) const;
    bool isEqualTo(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const;
    // The vector from the origin to this point.
    AcGeVector3d asVector() const { return {x, y, z}; }

    AcGePoint3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    AcGePoint3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    AcGeVector3d operator-(const AcGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
    AcGePoint3d& operator+=(const AcGeVector3d& v) { return *this = *this + v; }
    AcGePoint3d& operator-=(const AcGeVector3d& v) { return *this = *this - v; }
    bool operator==(const AcGePoint3d& p) const { return isEqualTo(p); }
    bool operator!=(const AcGePoint3d& p) const { return !isEqualTo(p); }
    // Coordinates by index 0..2; any other index is a caller error (asserted).
    double operator[](unsigned int i) const;
    double& operator[](unsigned int i);

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};
