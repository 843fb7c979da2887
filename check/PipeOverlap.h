// Internal to the pipe checks: which pipe of a pair lies on the other, the
// one test both the pruned sweep and the literal sweep decide a pair by.
#pragma once

#include "HxAecGeometry.h"

namespace HxWtPipeCheckDetail {

// What a pair (pipe i, then a later pipe j) comes to.
enum class Overlap {
    kNone,
    kJOnI, // both ends of pipe j lie on pipe i: pipe j goes
    kIOnJ, // otherwise, both ends of pipe i lie on pipe j: pipe i goes
};

// True when both points lie on the segment; the second is tested only when the
// first one lies on it.
template <class Segment>
bool BothOn(const Segment& seg, const HxGePoint& start, const HxGePoint& end) {
    return seg.HitTest(start).GetBit(0) && seg.HitTest(end).GetBit(0);
}

// Decides the pair; segI is pipe i's segment (made once for its whole pass).
// Pipe j on pipe i is tested first, so two pipes lying on each other (equal
// segments) leave pipe i in place.
template <class Segment>
Overlap OverlapOf(const Segment& segI, const HxGePoint& startI, const HxGePoint& endI,
                  const HxGePoint& startJ, const HxGePoint& endJ) {
    if (BothOn(segI, startJ, endJ))
        return Overlap::kJOnI;
    if (BothOn(Segment(startJ, endJ), startI, endI))
        return Overlap::kIOnJ;
    return Overlap::kNone;
}

} // namespace HxWtPipeCheckDetail
