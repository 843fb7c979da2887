// The product's base module HxAecGeometry: points, segments, geometry lists
// and the common zero tolerance.
//
// Points and segments compare within the library's tolerance (HxGeTolerance(),
// 1e-6 drawing units, absolute; a distance equal to it still counts as
// within); g_fZero (1e-6) is the zero tolerance the product's modules use for
// numbers.
#pragma once

#include "HxAecBase.h"
#include "gepnt3d.h"

#ifndef HXAECGEOMETRY_API
#define HXAECGEOMETRY_API __declspec(dllimport)
#endif

// The common zero tolerance of the product (a small non-negative number).
extern HXAECGEOMETRY_API double g_fZero;

// The library's length tolerance for point equality and hit tests.
HXAECGEOMETRY_API double HxGeTolerance();

// A point of three doubles, laid out like AcGePoint3d so that a host point can
// be passed where an HxGePoint is expected.
class HXAECGEOMETRY_API HxGePoint {
public:
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    HxGePoint() = default;
    HxGePoint(double px, double py, double pz) : x(px), y(py), z(pz) {}
    HxGePoint(const AcGePoint3d& p) : x(p.x), y(p.y), z(p.z) {}
    operator AcGePoint3d() const { return AcGePoint3d(x, y, z); }

    // True when the two points coincide in space within the library tolerance.
    bool Equal3d(const HxGePoint& other) const;
};

// A plan point: an HxGePoint without z.
class HXAECGEOMETRY_API HxGePoint2d {
public:
    double x = 0.0;
    double y = 0.0;

    HxGePoint2d() = default;
    HxGePoint2d(double px, double py) : x(px), y(py) {}
    HxGePoint2d(const HxGePoint& p) : x(p.x), y(p.y) {}

    // Plan equality within the library tolerance.
    bool operator==(const HxGePoint2d& other) const;
    bool operator!=(const HxGePoint2d& other) const { return !(*this == other); }
};

// A segment in space between two points.
class HXAECGEOMETRY_API HxGeLineSeg3d {
public:
    HxGeLineSeg3d(const HxGePoint& p1, const HxGePoint& p2);
    ~HxGeLineSeg3d();

    // Bit 0 set when the point lies on the segment, end points included,
    // within the library tolerance. A zero-length segment is hit only at its point.
    HxBitData HitTest(const HxGePoint& point) const;

    const HxGePoint& StartPoint() const { return m_start; }
    const HxGePoint& EndPoint() const { return m_end; }

private:
    HxGePoint m_start;
    HxGePoint m_end;
};

// The plan projection of a segment: z of its end points and of tested points
// is ignored.
class HXAECGEOMETRY_API HxGeLineSeg2d {
public:
    HxGeLineSeg2d(const HxGePoint& p1, const HxGePoint& p2);
    ~HxGeLineSeg2d();

    // Bit 0 set when the plan position of the point lies on the plan segment,
    // end points included, within the library tolerance.
    HxBitData HitTest(const HxGePoint& point) const;

private:
    HxGePoint2d m_start;
    HxGePoint2d m_end;
};

// A list of geometry objects (here: points), with value semantics.
class HXAECGEOMETRY_API HxGeObjList {
public:
    HxGeObjList();
    HxGeObjList(const HxGeObjList& other);
    HxGeObjList& operator=(const HxGeObjList& other);
    ~HxGeObjList();

    int Count() const;
    void Append(const HxGePoint& point);
    // The point at index; outside 0 .. Count() - 1 throws std::out_of_range.
    const HxGePoint& At(int index) const;
    void RemoveAll();

private:
    struct Impl;
    Impl* m_impl;
};
