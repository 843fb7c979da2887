// The signed square root and power, and the rotation of the current UCS.
#include "HxWtNumUtil.h"

#include <cmath>

#include "HxAecGeometry.h"

double HxWtSqrt(double x) {
    if (x < 0.0)
        return -std::sqrt(-x);
    return std::sqrt(x); // NaN compares false above and stays NaN here
}

double HxWtPow(double base, double exponent) {
    if (base < -g_fZero)
        return -std::pow(-base, exponent);
    return std::pow(base, exponent);
}

double HxWtGetUcsRotation() {
    // "UCSXDIR" is the UCS x axis as a world direction; a point value needs
    // no release. When the variable cannot be read the zeroed buffer gives 0.
    resbuf value{};
    acedGetVar(L"UCSXDIR", &value);
    return std::atan2(value.resval.rpoint[Y], value.resval.rpoint[X]);
}
