// The plane and space value types: lengths, tolerant comparisons, constants.
#include "gegbl.h"
#include "gepnt2d.h"
#include "gepnt3d.h"

#include <cassert>
#include <cmath>

AcGeTol AcGeContext::gTol;

const AcGeVector3d AcGeVector3d::kIdentity(0.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kXAxis(1.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kYAxis(0.0, 1.0, 0.0);
const AcGeVector3d AcGeVector3d::kZAxis(0.0, 0.0, 1.0);
const AcGePoint3d AcGePoint3d::kOrigin(0.0, 0.0, 0.0);
const AcGeVector2d AcGeVector2d::kXAxis(1.0, 0.0);
const AcGeVector2d AcGeVector2d::kYAxis(0.0, 1.0);
const AcGePoint2d AcGePoint2d::kOrigin(0.0, 0.0);

double AcGeVector3d::length() const {
    return std::sqrt(lengthSqrd());
}

bool AcGeVector3d::isZeroLength(const AcGeTol& tol) const {
    return length() <= tol.equalVector();
}

AcGeVector3d AcGeVector3d::normal(const AcGeTol& tol) const {
    if (isZeroLength(tol))
        return kIdentity;
    return *this / length();
}

AcGeVector3d& AcGeVector3d::normalize(const AcGeTol& tol) {
    return *this = normal(tol);
}

bool AcGeVector3d::isEqualTo(const AcGeVector3d& v, const AcGeTol& tol) const {
    return (*this - v).length() <= tol.equalVector();
}

double AcGeVector3d::operator[](unsigned int i) const {
    assert(i < 3);
    return i == 0 ? x : i == 1 ? y : z;
}

double& AcGeVector3d::operator[](unsigned int i) {
    assert(i < 3);
    return i == 0 ? x : i == 1 ? y : z;
}

double AcGePoint3d::distanceTo(const AcGePoint3d& p) const {
    return (*this - p).length();
}

bool AcGePoint3d::isEqualTo(const AcGePoint3d& p, const AcGeTol& tol) const {
    return distanceTo(p) <= tol.equalPoint();
}

double AcGePoint3d::operator[](unsigned int i) const {
    assert(i < 3);
    return i == 0 ? x : i == 1 ? y : z;
}

double& AcGePoint3d::operator[](unsigned int i) {
    assert(i < 3);
    return i == 0 ? x : i == 1 ? y : z;
}

double AcGeVector2d::length() const {
    return std::hypot(x, y);
}

bool AcGeVector2d::isZeroLength(const AcGeTol& tol) const {
    return length() <= tol.equalVector();
}

AcGeVector2d AcGeVector2d::normal(const AcGeTol& tol) const {
    if (isZeroLength(tol))
        return *this;
    return *this / length();
}

bool AcGeVector2d::isEqualTo(const AcGeVector2d& v, const AcGeTol& tol) const {
    return (*this - v).length() <= tol.equalVector();
}

double AcGePoint2d::distanceTo(const AcGePoint2d& p) const {
    return (*this - p).length();
}

bool AcGePoint2d::isEqualTo(const AcGePoint2d& p, const AcGeTol& tol) const {
    return distanceTo(p) <= tol.equalPoint();
}

double AcGePoint2d::operator[](unsigned int i) const {
    assert(i < 2);
    return i == 0 ? x : y;
}

double& AcGePoint2d::operator[](unsigned int i) {
    assert(i < 2);
    return i == 0 ? x : y;
}
