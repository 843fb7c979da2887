// Plan tests of window, crossing, polygon and fence selection.
#include "editor/SelectionGeometry.h"

#include <algorithm>
#include <array>

namespace hxhost::detail {
namespace {

double cross(PlanPoint o, PlanPoint a, PlanPoint b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool onSegment(PlanPoint p, PlanPoint a, PlanPoint b) {
    return cross(a, b, p) == 0.0 && PlanBox::of(a, b).holds(p);
}

int sign(double v) {
    return (v > 0.0) - (v < 0.0);
}

// Segments share a point (touching counts).
bool segmentsMeet(PlanPoint a, PlanPoint b, PlanPoint c, PlanPoint d) {
    const int d1 = sign(cross(c, d, a));
    const int d2 = sign(cross(c, d, b));
    const int d3 = sign(cross(a, b, c));
    const int d4 = sign(cross(a, b, d));
    if (d1 * d2 < 0 && d3 * d4 < 0)
        return true;
    return onSegment(a, c, d) || onSegment(b, c, d) || onSegment(c, a, b) || onSegment(d, a, b);
}

// Segments cross at a point inside both (not at an end, not collinear).
bool segmentsCrossProperly(PlanPoint a, PlanPoint b, PlanPoint c, PlanPoint d) {
    return sign(cross(c, d, a)) * sign(cross(c, d, b)) < 0 &&
           sign(cross(a, b, c)) * sign(cross(a, b, d)) < 0;
}

std::array<PlanPoint, 4> corners(const PlanBox& b) {
    return {PlanPoint{b.x0, b.y0}, PlanPoint{b.x1, b.y0}, PlanPoint{b.x1, b.y1},
            PlanPoint{b.x0, b.y1}};
}

bool segmentMeetsBox(PlanPoint a, PlanPoint b, const PlanBox& box) {
    if (box.holds(a) || box.holds(b))
        return true;
    const auto c = corners(box);
    for (size_t i = 0; i < 4; ++i) {
        if (segmentsMeet(a, b, c[i], c[(i + 1) % 4]))
            return true;
    }
    return false;
}

// Calls f(a, b) for every edge of the closed polygon; stops when f is true.
template <class F> bool anyEdge(const PlanPolygon& polygon, F f) {
    for (size_t i = 0; i < polygon.size(); ++i) {
        if (f(polygon[i], polygon[(i + 1) % polygon.size()]))
            return true;
    }
    return false;
}

} // namespace

PlanBox PlanBox::of(PlanPoint a, PlanPoint b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

bool boxInside(const PlanBox& inner, const PlanBox& outer) {
    return inner.x0 >= outer.x0 && inner.x1 <= outer.x1 && inner.y0 >= outer.y0 &&
           inner.y1 <= outer.y1;
}

bool boxesMeet(const PlanBox& a, const PlanBox& b) {
    return a.x0 <= b.x1 && b.x0 <= a.x1 && a.y0 <= b.y1 && b.y0 <= a.y1;
}

bool pointInPolygon(PlanPoint p, const PlanPolygon& polygon) {
    if (polygon.size() < 3)
        return false;
    if (anyEdge(polygon, [&](PlanPoint a, PlanPoint b) { return onSegment(p, a, b); }))
        return true;
    bool inside = false;
    anyEdge(polygon, [&](PlanPoint a, PlanPoint b) {
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
        return false;
    });
    return inside;
}

bool boxInsidePolygon(const PlanBox& box, const PlanPolygon& polygon) {
    for (PlanPoint c : corners(box)) {
        if (!pointInPolygon(c, polygon))
            return false;
    }
    const auto c = corners(box);
    return !anyEdge(polygon, [&](PlanPoint a, PlanPoint b) {
        for (size_t i = 0; i < 4; ++i) {
            if (segmentsCrossProperly(a, b, c[i], c[(i + 1) % 4]))
                return true;
        }
        return false;
    });
}

bool boxMeetsPolygon(const PlanBox& box, const PlanPolygon& polygon) {
    if (polygon.size() < 3)
        return false;
    for (PlanPoint c : corners(box)) {
        if (pointInPolygon(c, polygon))
            return true;
    }
    return anyEdge(polygon, [&](PlanPoint a, PlanPoint b) { return segmentMeetsBox(a, b, box); });
}

bool boxMeetsFence(const PlanBox& box, const PlanPolygon& fence) {
    for (size_t i = 0; i + 1 < fence.size(); ++i) {
        if (segmentMeetsBox(fence[i], fence[i + 1], box))
            return true;
    }
    return false;
}

} // namespace hxhost::detail
