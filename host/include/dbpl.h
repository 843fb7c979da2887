// AcDbPolyline: the lightweight polyline, a chain of plan vertices at one
// elevation, each with a bulge (tan of a quarter of the arc's angle to the
// next vertex; 0 for a straight segment) and start and end widths (-1: the
// polyline's constant width). Setters need write (eNotOpenForWrite) and change
// nothing on failure; ownership as for every entity (dbmain.h).
//
// Cost: vertices are kept in arrays; adding or removing one in the middle is
// linear in the vertex count.
#pragma once

#include "dbents.h"
#include "gepnt2d.h"

#include <vector>

class HX_DB_API AcDbPolyline : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbPolyline);
    // The count is a capacity hint only; the polyline starts without vertices.
    explicit AcDbPolyline(unsigned int numVerts = 0);

    // Inserts a vertex before index (numVerts() appends). An index beyond
    // numVerts() gives eInvalidIndex.
    Acad::ErrorStatus addVertexAt(unsigned int index, const AcGePoint2d& pt, double bulge = 0.0,
                                  double startWidth = -1.0, double endWidth = -1.0,
                                  Adesk::Int32 vertexIdentifier = 0);
    // eInvalidIndex for an index that is not a vertex.
    Acad::ErrorStatus removeVertexAt(unsigned int index);
    unsigned int numVerts() const { return static_cast<unsigned int>(m_vertices.size()); }
    // The vertex (2D, or 3D at the elevation); eInvalidIndex (pt untouched)
    // for an index that is not a vertex.
    Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint2d& pt) const;
    Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint3d& pt) const;
    Acad::ErrorStatus getBulgeAt(unsigned int index, double& bulge) const;
    Acad::ErrorStatus setBulgeAt(unsigned int index, double bulge);
    Acad::ErrorStatus getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const;
    Acad::ErrorStatus getVertexIdentifierAt(unsigned int index, Adesk::Int32& id) const;

    // Whether a segment joins the last vertex back to the first. setClosed is
    // ignored unless the polyline is write-enabled.
    bool isClosed() const { return m_closed; }
    void setClosed(bool closed);
    double elevation() const { return m_elevation; }
    void setElevation(double elevation);
    double constantWidth() const { return m_constantWidth; }
    Acad::ErrorStatus setConstantWidth(double width);

    // The box of the vertices and of the arcs of bulged segments, at the
    // elevation; eInvalidExtents without vertices.
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    // Against lines and polylines; bulged segments count as their chords.
    Acad::ErrorStatus intersectWith(const AcDbEntity* entity, AcDb::Intersect intType,
                                    AcGePoint3dArray& points, Adesk::GsMarker thisGsMarker = 0,
                                    Adesk::GsMarker otherGsMarker = 0) const override;
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

private:
    struct Vertex {
        AcGePoint2d point;
        double bulge = 0.0;
        double startWidth = -1.0;
        double endWidth = -1.0;
        Adesk::Int32 id = 0;
        bool operator==(const Vertex& o) const;
    };
    bool validIndex(unsigned int index) const { return index < m_vertices.size(); }

    std::vector<Vertex> m_vertices;
    bool m_closed = false;
    double m_elevation = 0.0;
    double m_constantWidth = 0.0;
};
