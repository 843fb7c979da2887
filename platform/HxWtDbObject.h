// The product's water network entity module HxWtDbObject: pipes, wells, pools
// and equipment. Values come in drawing units; points in world coordinates.
#pragma once

#include <string>

#include "HxMepDbObject.h"

#ifndef HXWTDBOBJECT_API
#define HXWTDBOBJECT_API __declspec(dllimport)
#endif

// A water pipe between two points.
class HXWTDBOBJECT_API HxDbWtPipe : public HxDbPipeEntity {
public:
    // The pipe's role, stored on the pipe and saved with the drawing. Any
    // other value is kept as given (a connection pipe of some other kind).
    enum PipeFlag : int {
        kNetworkPipe = 1,   // a pipe of the network proper
        kConnectPipe = 2,   // a gulley or inlet connection
        kEquipLinkPipe = 3, // a pipe with an end on equipment
    };

    ACRX_DECLARE_MEMBERS(HxDbWtPipe);
    HxDbWtPipe();
    HxDbWtPipe(const AcGePoint3d& start, const AcGePoint3d& end);
    ~HxDbWtPipe() override;

    PipeFlag GetPipeFlag() const;
    // Needs the pipe open for write (eNotOpenForWrite otherwise).
    Acad::ErrorStatus SetPipeFlag(PipeFlag flag);

    double GetUpriverHeight() const;
    double GetDownriverHeight() const;
    double GetGradient() const;
    double GetDiameter() const;
    // 3D length between the end points.
    double GetPipeLength() const;
    // Plan length between the end points.
    double GetPipeLength2d() const;
    int GetPipeDirection() const;
    // The material text; valid while the pipe is open.
    const wchar_t* GetMaterial() const;

    // Setters need the pipe open for write (or not yet in a database).
    Acad::ErrorStatus SetHeights(double upriver, double downriver);
    Acad::ErrorStatus SetGradient(double gradient);
    Acad::ErrorStatus SetDiameter(double diameter);
    Acad::ErrorStatus SetPipeDirection(int direction);
    Acad::ErrorStatus SetMaterial(const wchar_t* material);

    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

private:
    double m_upriverHeight = 0.0;
    double m_downriverHeight = 0.0;
    double m_gradient = 0.0;
    double m_diameter = 0.0;
    int m_direction = 0;
    std::wstring m_material;
    int m_flag = kNetworkPipe;
};

// A well: a circle of its diameter around its location (its plan extents).
// Setters need the well open for write or not yet in a database
// (eNotOpenForWrite); null texts are taken as empty.
class HXWTDBOBJECT_API HxDbWtWell : public HxDbEntity {
public:
    ACRX_DECLARE_MEMBERS(HxDbWtWell);
    HxDbWtWell();
    explicit HxDbWtWell(const AcGePoint3d& location);
    ~HxDbWtWell() override;

    AcGePoint3d GetWellLocation() const;
    // Prefix and index texts; valid while the well is open.
    const wchar_t* GetWellPrefix() const;
    const wchar_t* GetWellIndex() const;
    double GetWellDeepness() const;
    double GetWellDiameter() const;

    Acad::ErrorStatus SetWellLocation(const AcGePoint3d& location);
    Acad::ErrorStatus SetWellPrefix(const wchar_t* prefix);
    Acad::ErrorStatus SetWellIndex(const wchar_t* index);
    Acad::ErrorStatus SetWellDeepness(double deepness);
    // A negative (or NaN) diameter gives eInvalidInput.
    Acad::ErrorStatus SetWellDiameter(double diameter);

    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

private:
    AcGePoint3d m_location;
    std::wstring m_prefix;
    std::wstring m_index;
    double m_deepness = 0.0;
    double m_diameter = 0.0;
};

// A pool: a rectangle of its length (along x) and width (along y) centred on
// its location (its plan extents). Setters need the pool open for write or not
// yet in a database (eNotOpenForWrite); null texts are taken as empty.
class HXWTDBOBJECT_API HxDbWtPool : public HxDbEntity {
public:
    ACRX_DECLARE_MEMBERS(HxDbWtPool);
    HxDbWtPool();
    explicit HxDbWtPool(const AcGePoint3d& location);
    ~HxDbWtPool() override;

    AcGePoint3d GetPoolLocation() const;
    // The pool's name; valid while the pool is open.
    const wchar_t* GetPoolName() const;
    double GetPoolLength() const;
    double GetPoolWidth() const;
    double GetPoolDeepness() const;

    Acad::ErrorStatus SetPoolLocation(const AcGePoint3d& location);
    Acad::ErrorStatus SetPoolName(const wchar_t* name);
    // A negative (or NaN) length or width gives eInvalidInput.
    Acad::ErrorStatus SetPoolSize(double length, double width, double deepness);

    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

private:
    AcGePoint3d m_location;
    std::wstring m_name;
    double m_length = 0.0;
    double m_width = 0.0;
    double m_deepness = 0.0;
};

// Equipment: a box in plan between two corners, kept as its lowest and
// highest corner whatever order the corners come in. Setters need the
// equipment open for write or not yet in a database (eNotOpenForWrite).
class HXWTDBOBJECT_API HxDbWtEquipment : public HxDbEntity {
public:
    ACRX_DECLARE_MEMBERS(HxDbWtEquipment);
    HxDbWtEquipment();
    HxDbWtEquipment(const AcGePoint3d& minCorner, const AcGePoint3d& maxCorner);
    ~HxDbWtEquipment() override;

    const wchar_t* GetName() const;
    AcGePoint3d GetMinCorner() const;
    AcGePoint3d GetMaxCorner() const;
    Acad::ErrorStatus SetName(const wchar_t* name);
    Acad::ErrorStatus SetBox(const AcGePoint3d& minCorner, const AcGePoint3d& maxCorner);

    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

private:
    std::wstring m_name;
    AcGePoint3d m_min;
    AcGePoint3d m_max;
};
