// AcDbExtents: an axis-aligned box in world coordinates, the extents of an
// entity or of a set of entities. A value type. A new box is empty (its minimum
// above its maximum) until a point or another box is added.
#pragma once

#include "acadstrc.h"
#include "acdb.h"
#include "gepnt3d.h"

class HX_DB_API AcDbExtents {
public:
    AcDbExtents();
    // Takes the corners as given (unlike set, which checks them).
    AcDbExtents(const AcGePoint3d& minPoint, const AcGePoint3d& maxPoint);

    AcGePoint3d minPoint() const { return m_min; }
    AcGePoint3d maxPoint() const { return m_max; }
    // True until a point or a non-empty box was added.
    bool isEmpty() const;
    // Sets both corners; eInvalidExtents (nothing changed) when minPoint lies
    // above maxPoint in any coordinate.
    Acad::ErrorStatus set(const AcGePoint3d& minPoint, const AcGePoint3d& maxPoint);
    // Grows the box to hold the point.
    void addPoint(const AcGePoint3d& pt);
    // Grows the box to hold another box; an empty box adds nothing.
    void addExt(const AcDbExtents& other);

private:
    AcGePoint3d m_min;
    AcGePoint3d m_max;
};
