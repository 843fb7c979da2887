// AcGeTol: the pair of tolerances that geometry comparisons use.
//
// equalPoint is the largest distance at which two points still count as equal;
// equalVector the largest difference of two vectors' components (and the
// largest length of a vector that counts as zero). Both default to 1e-10.
// A plain value type; copying is free.
#pragma once

#define HX_GE_API __attribute__((visibility("default")))

class AcGeTol {
public:
    AcGeTol() = default;

    double equalPoint() const { return m_equalPoint; }
    double equalVector() const { return m_equalVector; }
    // Negative tolerances are taken as their magnitude.
    void setEqualPoint(double value) { m_equalPoint = value < 0 ? -value : value; }
    void setEqualVector(double value) { m_equalVector = value < 0 ? -value : value; }

private:
    double m_equalPoint = 1e-10;
    double m_equalVector = 1e-10;
};
