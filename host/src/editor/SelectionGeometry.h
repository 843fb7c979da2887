// Host-internal: plan tests of selection over entity extents: window and
// crossing boxes, polygons and fences. Boundaries count as inside / meeting.
#pragma once

#include <vector>

namespace hxhost::detail {

struct PlanPoint {
    double x = 0.0;
    double y = 0.0;
};

struct PlanBox {
    double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0; // x0 <= x1, y0 <= y1

    // The box spanned by two corners in any order.
    static PlanBox of(PlanPoint a, PlanPoint b);
    bool holds(PlanPoint p) const { return p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1; }
    PlanPoint centre() const { return {(x0 + x1) / 2, (y0 + y1) / 2}; }
};

using PlanPolygon = std::vector<PlanPoint>;

// Window: inner lies wholly in outer. Crossing: the boxes share a point.
bool boxInside(const PlanBox& inner, const PlanBox& outer);
bool boxesMeet(const PlanBox& a, const PlanBox& b);
// Even-odd test; points on an edge count as inside. Fewer than 3 points: false.
bool pointInPolygon(PlanPoint p, const PlanPolygon& polygon);
// Window polygon: every corner of the box inside and no edge of the polygon
// crossing the box's interior.
bool boxInsidePolygon(const PlanBox& box, const PlanPolygon& polygon);
// Crossing polygon: the box and the polygon's area share a point.
bool boxMeetsPolygon(const PlanBox& box, const PlanPolygon& polygon);
// Fence: a segment of the open polyline meets the box.
bool boxMeetsFence(const PlanBox& box, const PlanPolygon& fence);

} // namespace hxhost::detail
