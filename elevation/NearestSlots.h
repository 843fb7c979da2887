// NearestSlots: the three slots of Find3Point and the rule by which one
// sample is offered to them. Shared by the one-pass scan and the indexed
// search, so that both apply exactly the same skip, order and tie rules.
#pragma once

#include "gepnt3d.h"

#include <cmath>

namespace hxwt::elevation {

// Two samples closer than this (in space, z included) are the same sample.
constexpr double kSameSample = 0.0001;

inline double planDistance(const AcGePoint3d& a, const AcGePoint3d& b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    return std::sqrt(dx * dx + dy * dy);
}

// Whether s repeats held (closer than kSameSample in space). Samples apart by
// more than twice that in one coordinate are surely not repeats, whatever the
// rounding of the distance, so most pairs are told apart without it.
inline bool sameSample(const AcGePoint3d& s, const AcGePoint3d& held) {
    if (std::fabs(s.x - held.x) > 2 * kSameSample || std::fabs(s.y - held.y) > 2 * kSameSample ||
        std::fabs(s.z - held.z) > 2 * kSameSample)
        return false;
    return s.distanceTo(held) < kSameSample;
}

struct NearestSlots {
    AcGePoint3d p[3];                 // an empty slot holds its preset content
    double d[3] = {-1.0, -1.0, -1.0}; // plan distance to the query; -1 empty

    bool full() const { return d[2] >= 0.0; }

    // Offers sample s for the query point q (flattened). Returns whether the
    // slots changed.
    bool offer(const AcGePoint3d& s, const AcGePoint3d& q) {
        for (const AcGePoint3d& held : p) {
            if (sameSample(s, held))
                return false; // the same as a held sample, or the origin of an empty slot
        }
        const double dist = planDistance(q, s);
        if (d[0] < 0.0 || dist < d[0]) {
            if (d[0] >= 0.0)
                shiftFrom(0);
            put(0, s, dist);
        } else if (d[1] < 0.0 || dist < d[1]) {
            if (d[1] >= 0.0)
                shiftFrom(1);
            put(1, s, dist);
        } else if (d[2] < 0.0 || dist < d[2]) {
            put(2, s, dist);
        } else {
            return false;
        }
        return true;
    }

private:
    // Moves the held samples from slot i on one slot back (the last drops
    // out); an empty slot stops the shift, as nothing lies behind it.
    void shiftFrom(int i) {
        if (i == 0 && d[1] < 0.0) {
            put(1, p[0], d[0]);
            return;
        }
        if (i == 0) {
            put(2, p[1], d[1]);
            put(1, p[0], d[0]);
            return;
        }
        put(2, p[1], d[1]);
    }
    void put(int i, const AcGePoint3d& s, double dist) {
        p[i] = s;
        d[i] = dist;
    }
};

} // namespace hxwt::elevation
