// AcGeVector3d: a displacement in space (three doubles). A value type.
//
// Lengths and comparisons follow the tolerance passed (AcGeContext::gTol by
// default): a vector counts as zero when its length is within equalVector.
#pragma once

#include "gegbl.h"

class AcGeVector3d {
public:
    AcGeVector3d() = default;
    AcGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

    static HX_GE_API const AcGeVector3d kIdentity; // the zero vector
    static HX_GE_API const AcGeVector3d kXAxis;
    static HX_GE_API const AcGeVector3d kYAxis;
    static HX_GE_API const AcGeVector3d kZAxis;

    AcGeVector3d& set(double xx, double yy, double zz) {
        x = xx;
        y = yy;
        z = zz;
        return *this;
    }

    double length() const;
    double lengthSqrd() const { return x * x + y * y + z * z; }
    bool isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const;
    // The unit vector of the same direction; a zero-length vector gives the
    // zero vector.
    AcGeVector3d normal(const AcGeTol& tol = AcGeContext::gTol) const;
    AcGeVector3d& normalize(const AcGeTol& tol = AcGeContext::gTol);
    double dotProduct(const AcGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
    AcGeVector3d crossProduct(const AcGeVector3d& v) const {
        return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
    }
    // True when the difference of the two vectors is no longer than equalVector.
    bool isEqualTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;

    AcGeVector3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    AcGeVector3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    AcGeVector3d operator-() const { return {-x, -y, -z}; }
    AcGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
    AcGeVector3d operator/(double s) const { return {x / s, y / s, z / s}; }
    AcGeVector3d& operator+=(const AcGeVector3d& v) { return *this = *this + v; }
    AcGeVector3d& operator-=(const AcGeVector3d& v) { return *this = *this - v; }
    AcGeVector3d& operator*=(double s) { return *this = *this * s; }
    AcGeVector3d& operator/=(double s) { return *this = *this / s; }
    bool operator==(const AcGeVector3d& v) const { return isEqualTo(v); }
    bool operator!=(const AcGeVector3d& v) const { return !isEqualTo(v); }
    // Components by index 0..2; any other index is a caller error (asserted).
    double operator[](unsigned int i) const;
    double& operator[](unsigned int i);

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline AcGeVector3d operator*(double s, const AcGeVector3d& v) {
    return v * s;
}
