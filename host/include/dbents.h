// Entities of the stand-in host: AcDbLine (a segment between two points) and
// AcDbBlockReference (an insert of a block definition at a position). Plain
// data on top of AcDbEntity; setters need the entity write-enabled
// (eNotOpenForWrite otherwise) and change nothing on failure. Who owns an
// entity is as for every database object (see dbmain.h).
#pragma once

#include "db.h"
#include "dbmain.h"

class HX_DB_API AcDbLine : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbLine);
    AcDbLine() = default;
    AcDbLine(const AcGePoint3d& start, const AcGePoint3d& end) : m_start(start), m_end(end) {}

    AcGePoint3d startPoint() const { return m_start; }
    AcGePoint3d endPoint() const { return m_end; }
    Acad::ErrorStatus setStartPoint(const AcGePoint3d& pt);
    Acad::ErrorStatus setEndPoint(const AcGePoint3d& pt);

    // The box of the two end points.
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

private:
    AcGePoint3d m_start;
    AcGePoint3d m_end;
};

class HX_DB_API AcDbBlockReference : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockReference);
    AcDbBlockReference() = default;
    AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord)
        : m_position(position), m_block(blockTableRecord) {}

    // The block definition shown (not checked: any id is kept as given).
    AcDbObjectId blockTableRecord() const { return m_block; }
    Acad::ErrorStatus setBlockTableRecord(AcDbObjectId block);
    AcGePoint3d position() const { return m_position; }
    Acad::ErrorStatus setPosition(const AcGePoint3d& pt);

    // The insertion point alone (the stand-in does not draw the block).
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

private:
    AcGePoint3d m_position;
    AcDbObjectId m_block;
};
