// AcDbMText: a multi-line text. Its contents carry the host's inline
// formatting codes: \P ends a paragraph; {...} groups a formatting run; \f and
// \F (font, to ';'), \H (height, to ';', "2x" relative), \C and \c (colour, to
// ';'), \W, \Q, \T, \A (to ';') and the toggles \L \l \O \o \K \k change the
// formatting of what follows; \S...; stacks; \~ is a hard space; \\, \{ and
// \} are the literal characters. Setters need write (eNotOpenForWrite) and
// change nothing on failure; ownership as for every entity (dbmain.h).
#pragma once

#include "dbents.h"

class HX_DB_API AcDbMText : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbMText);
    enum AttachmentPoint {
        kTopLeft = 1,
        kTopCenter = 2,
        kTopRight = 3,
        kMiddleLeft = 4,
        kMiddleCenter = 5,
        kMiddleRight = 6,
        kBottomLeft = 7,
        kBottomCenter = 8,
        kBottomRight = 9
    };
    AcDbMText() = default;

    // The attachment point's position.
    AcGePoint3d location() const { return m_location; }
    Acad::ErrorStatus setLocation(const AcGePoint3d& pt);
    // The contents with their formatting codes, as a new host string (release
    // with acutDelString; null when out of memory).
    ACHAR* contents() const;
    const ACHAR* contentsConst() const { return m_contents.c_str(); }
    // Null gives eInvalidInput.
    Acad::ErrorStatus setContents(const ACHAR* text);
    // The contents without formatting codes (paragraphs joined by '\n').
    std::wstring plainText() const;
    double textHeight() const { return m_height; }
    // A height that is not above zero gives eInvalidInput.
    Acad::ErrorStatus setTextHeight(double height);
    // Reference width of the paragraphs; 0 means no wrapping.
    double width() const { return m_width; }
    Acad::ErrorStatus setWidth(double width);
    double rotation() const { return m_rotation; }
    Acad::ErrorStatus setRotation(double rotation);
    AttachmentPoint attachment() const { return m_attachment; }
    // Values outside 1..9 give eInvalidInput.
    Acad::ErrorStatus setAttachment(AttachmentPoint attachment);

    // One new AcDbText (owned by the caller, who deletes it) per line and per
    // formatting run within a line, in reading order: a new piece starts at
    // every \P and wherever the formatting changes ({, }, or a code listed
    // above). Pieces without characters are left out; plain one-line contents
    // give one piece. Each piece has the run's characters, the run's height,
    // this text's rotation, layer and colour, and sits on its line's base
    // line, to the right of the runs before it. eOk also for empty contents
    // (nothing appended).
    Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;
    // An estimate from the lines of plainText() (0.6 of the height per
    // character, 5/3 of the height per line) around the attachment point.
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
    bool isEqualTo(const AcRxObject* other) const override;

private:
    AcGePoint3d m_location;
    std::wstring m_contents;
    double m_height = 2.5;
    double m_width = 0.0;
    double m_rotation = 0.0;
    AttachmentPoint m_attachment = kTopLeft;
};
