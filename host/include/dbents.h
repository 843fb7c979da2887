// Entities of the stand-in host: AcDbLine (a segment between two points),
// AcDbCircle, the single-line texts AcDbText, AcDbAttributeDefinition and
// AcDbAttribute, and AcDbBlockReference (an insert of a block definition at a
// position, owning its attributes). The multi-line text is in dbmtext.h, the
// lightweight polyline in dbpl.h. Plain data on top of AcDbEntity; setters need
// the entity write-enabled (eNotOpenForWrite otherwise) and change nothing on
// failure. Who owns an entity is as for every database object (see dbmain.h).
//
// Texts handed out as ACHAR* (textString, tag, ...) are new host strings
// (acutNewString) that the caller releases with acutDelString; the *Const
// forms give the entity's own text, valid while it stays open and unchanged.
#pragma once

#include "db.h"
#include "dbidar.h"
#include "dbmain.h"
#include "gevec3d.h"

#include <memory>
#include <string>

namespace hxhost {
class IdCursor;
} // namespace hxhost

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
    // Against lines and polylines (see AcDbEntity::intersectWith).
    Acad::ErrorStatus intersectWith(const AcDbEntity* entity, AcDb::Intersect intType,
                                    AcGePoint3dArray& points, Adesk::GsMarker thisGsMarker = 0,
                                    Adesk::GsMarker otherGsMarker = 0) const override;
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

private:
    AcGePoint3d m_start;
    AcGePoint3d m_end;
};

class HX_DB_API AcDbCircle : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbCircle);
    AcDbCircle() = default;
    // The normal is kept as given; the stand-in draws circles in the plan.
    AcDbCircle(const AcGePoint3d& center, const AcGeVector3d& normal, double radius)
        : m_center(center), m_normal(normal), m_radius(radius) {}

    AcGePoint3d center() const { return m_center; }
    Acad::ErrorStatus setCenter(const AcGePoint3d& center);
    double radius() const { return m_radius; }
    // A radius that is not above zero gives eInvalidInput.
    Acad::ErrorStatus setRadius(double radius);
    AcGeVector3d normal() const { return m_normal; }

    // The square around the circle in the plan, at the centre's z.
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

private:
    AcGePoint3d m_center;
    AcGeVector3d m_normal{0, 0, 1};
    double m_radius = 1.0;
};

class HX_DB_API AcDbText : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbText);
    AcDbText() = default;
    // A null text is taken as empty; the style is kept as given.
    AcDbText(const AcGePoint3d& position, const ACHAR* text,
             AcDbObjectId style = AcDbObjectId::kNull, double height = 0.0,
             double rotation = 0.0);

    // The insertion point (the left end of the base line).
    AcGePoint3d position() const { return m_position; }
    Acad::ErrorStatus setPosition(const AcGePoint3d& pt);
    // The point the text is aligned at when it is not left and base aligned.
    AcGePoint3d alignmentPoint() const { return m_alignment; }
    Acad::ErrorStatus setAlignmentPoint(const AcGePoint3d& pt);
    // The text as a new host string (null when out of memory).
    ACHAR* textString() const;
    const ACHAR* textStringConst() const { return m_text.c_str(); }
    // Null text gives eInvalidInput.
    Acad::ErrorStatus setTextString(const ACHAR* text);
    // Text height in drawing units; 0 means the style's height (2.5 drawn).
    double height() const { return m_height; }
    // A negative height gives eInvalidInput.
    Acad::ErrorStatus setHeight(double height);
    // Rotation in radians, counter-clockwise from the x axis.
    double rotation() const { return m_rotation; }
    Acad::ErrorStatus setRotation(double rotation);
    AcDb::TextHorzMode horizontalMode() const { return m_horz; }
    Acad::ErrorStatus setHorizontalMode(AcDb::TextHorzMode mode);
    AcDb::TextVertMode verticalMode() const { return m_vert; }
    Acad::ErrorStatus setVerticalMode(AcDb::TextVertMode mode);
    AcDbObjectId textStyle() const { return m_style; }
    Acad::ErrorStatus setTextStyle(AcDbObjectId style);

    // An estimate: the rotated box of the characters (0.6 of the height wide
    // each) from the insertion point; the point alone for an empty text.
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

private:
    AcGePoint3d m_position;
    AcGePoint3d m_alignment;
    std::wstring m_text;
    double m_height = 0.0;
    double m_rotation = 0.0;
    AcDb::TextHorzMode m_horz = AcDb::kTextLeft;
    AcDb::TextVertMode m_vert = AcDb::kTextBase;
    AcDbObjectId m_style;
};

class HX_DB_API AcDbAttributeDefinition : public AcDbText {
public:
    ACRX_DECLARE_MEMBERS(AcDbAttributeDefinition);
    AcDbAttributeDefinition() = default;
    // Null texts are taken as empty.
    AcDbAttributeDefinition(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag,
                            const ACHAR* prompt, AcDbObjectId style = AcDbObjectId::kNull);

    // The tag as a new host string.
    ACHAR* tag() const;
    const ACHAR* tagConst() const { return m_tag.c_str(); }
    // Null, empty or blank-holding tags give eInvalidInput.
    Acad::ErrorStatus setTag(const ACHAR* tag);
    ACHAR* prompt() const;
    const ACHAR* promptConst() const { return m_prompt.c_str(); }
    // Null gives eInvalidInput.
    Acad::ErrorStatus setPrompt(const ACHAR* prompt);

    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

private:
    std::wstring m_tag;
    std::wstring m_prompt;
};

class HX_DB_API AcDbAttribute : public AcDbText {
public:
    ACRX_DECLARE_MEMBERS(AcDbAttribute);
    AcDbAttribute() = default;
    // Null texts are taken as empty.
    AcDbAttribute(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag,
                  AcDbObjectId style = AcDbObjectId::kNull);

    ACHAR* tag() const;
    const ACHAR* tagConst() const { return m_tag.c_str(); }
    // Null, empty or blank-holding tags give eInvalidInput.
    Acad::ErrorStatus setTag(const ACHAR* tag);
    bool isInvisible() const { return m_invisible; }
    Acad::ErrorStatus setInvisible(bool invisible);

    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

private:
    std::wstring m_tag;
    bool m_invisible = false;
};

// A walk over the ids of objects an owner holds (a block reference's
// attributes), over a snapshot taken when the iterator was made. Made with new
// by its owner; the caller deletes it.
class HX_DB_API AcDbObjectIterator : public AcRxObject {
public:
    explicit AcDbObjectIterator(const AcDbObjectIdArray& ids);
    ~AcDbObjectIterator() override;
    AcDbObjectIterator(const AcDbObjectIterator&) = delete;
    AcDbObjectIterator& operator=(const AcDbObjectIterator&) = delete;

    // Back to the first (or last) id, passing over erased ones.
    void start(bool atBeginning = true);
    bool done() const;
    // To the next (backwards: previous) id.
    bool step(bool backwards = false, bool skipErasedObjects = true);
    // The current id; null once done.
    AcDbObjectId objectId() const;
    // The stand-in keeps owned objects in the database only: always null;
    // open the object by objectId().
    AcDbEntity* entity() const { return nullptr; }

private:
    std::unique_ptr<hxhost::IdCursor> m_cursor;
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

    // Adds a new attribute to the reference, which owns it from then on (it
    // joins the reference's database, takes the reference's layer when it has
    // none, and is left open for write: the caller closes it). Needs the
    // reference resident (eNotInDatabase) and open for write
    // (eNotOpenForWrite); null attribute eNullObjectPointer; a resident one
    // eAlreadyInDb.
    Acad::ErrorStatus appendAttribute(AcDbAttribute* attribute);
    Acad::ErrorStatus appendAttribute(AcDbObjectId& id, AcDbAttribute* attribute);
    // A new iterator over the attributes' ids in append order (the caller
    // deletes it); null when the reference is not open.
    AcDbObjectIterator* attributeIterator() const;
    // The attributes' ids in append order (erased ones included).
    const AcDbObjectIdArray& attributeIds() const { return m_attributes; }

    // The insertion point alone (the stand-in does not draw the block).
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    // Copies position and block; the attributes stay with their owner.
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

private:
    friend class hxhost::DbAccess;
    AcGePoint3d m_position;
    AcDbObjectId m_block;
    AcDbObjectIdArray m_attributes;
};
