// Single-line texts: AcDbText and its attribute kinds.
#include "acutads.h"
#include "db.h"
#include "dbents.h"
#include "hxhost/WriteSetter.h"

#include <cmath>
#include <cwctype>

ACRX_DXF_DEFINE_MEMBERS(AcDbText, AcDbEntity, AcDb::kDHL_CURRENT, 0, 0, TEXT, ACAD)
ACRX_DXF_DEFINE_MEMBERS(AcDbAttributeDefinition, AcDbText, AcDb::kDHL_CURRENT, 0, 0, ATTDEF, ACAD)
ACRX_DXF_DEFINE_MEMBERS(AcDbAttribute, AcDbText, AcDb::kDHL_CURRENT, 0, 0, ATTRIB, ACAD)

using hxhost::setWhenWritable;

namespace {

constexpr double kDrawnHeight = 2.5;
constexpr double kCharWidth = 0.6;

ACHAR* hostCopy(const std::wstring& text) {
    ACHAR* copy = nullptr;
    return acutNewString(text.c_str(), copy) == RTNORM ? copy : nullptr;
}

// A tag: not empty, no blanks.
bool validTag(const ACHAR* tag) {
    if (tag == nullptr || tag[0] == 0)
        return false;
    for (const ACHAR* p = tag; *p != 0; ++p) {
        if (std::iswspace(static_cast<wint_t>(*p)))
            return false;
    }
    return true;
}

} // namespace

AcDbText::AcDbText(const AcGePoint3d& position, const ACHAR* text, AcDbObjectId style,
                   double height, double rotation)
    : m_position(position), m_alignment(position), m_text(text ? text : L""),
      m_height(height < 0 ? 0 : height), m_rotation(rotation), m_style(style) {}

Acad::ErrorStatus AcDbText::setPosition(const AcGePoint3d& pt) {
    return setWhenWritable(*this, m_position, pt);
}

Acad::ErrorStatus AcDbText::setAlignmentPoint(const AcGePoint3d& pt) {
    return setWhenWritable(*this, m_alignment, pt);
}

ACHAR* AcDbText::textString() const {
    return hostCopy(m_text);
}

Acad::ErrorStatus AcDbText::setTextString(const ACHAR* text) {
    return setWhenWritable(*this, m_text, text, text != nullptr);
}

Acad::ErrorStatus AcDbText::setHeight(double height) {
    // Written as "not below zero" so that a NaN height is taken, as ever.
    return setWhenWritable(*this, m_height, height, !(height < 0));
}

Acad::ErrorStatus AcDbText::setRotation(double rotation) {
    return setWhenWritable(*this, m_rotation, rotation);
}

Acad::ErrorStatus AcDbText::setHorizontalMode(AcDb::TextHorzMode mode) {
    return setWhenWritable(*this, m_horz, mode, mode >= AcDb::kTextLeft && mode <= AcDb::kTextFit);
}

Acad::ErrorStatus AcDbText::setVerticalMode(AcDb::TextVertMode mode) {
    return setWhenWritable(*this, m_vert, mode, mode >= AcDb::kTextBase && mode <= AcDb::kTextTop);
}

Acad::ErrorStatus AcDbText::setTextStyle(AcDbObjectId style) {
    return setWhenWritable(*this, m_style, style);
}

Acad::ErrorStatus AcDbText::getGeomExtents(AcDbExtents& extents) const {
    const double h = m_height > 0 ? m_height : kDrawnHeight;
    const double w = kCharWidth * h * static_cast<double>(m_text.size());
    const AcGeVector3d along(std::cos(m_rotation), std::sin(m_rotation), 0);
    const AcGeVector3d up(-along.y, along.x, 0);
    AcDbExtents box;
    box.addPoint(m_position);
    if (!m_text.empty()) {
        box.addPoint(m_position + along * w);
        box.addPoint(m_position + up * h);
        box.addPoint(m_position + along * w + up * h);
    }
    extents = box;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbText::copyFrom(const AcRxObject* other) {
    const Acad::ErrorStatus es = AcDbEntity::copyFrom(other);
    if (es != Acad::eOk)
        return es;
    const auto* source = static_cast<const AcDbText*>(other);
    m_position = source->m_position;
    m_alignment = source->m_alignment;
    m_text = source->m_text;
    m_height = source->m_height;
    m_rotation = source->m_rotation;
    m_horz = source->m_horz;
    m_vert = source->m_vert;
    m_style = source->m_style;
    return Acad::eOk;
}

bool AcDbText::isEqualTo(const AcRxObject* other) const {
    if (!AcDbEntity::isEqualTo(other))
        return false;
    const auto* that = static_cast<const AcDbText*>(other);
    return m_position == that->m_position && m_alignment == that->m_alignment &&
           m_text == that->m_text && m_height == that->m_height && m_rotation == that->m_rotation &&
           m_horz == that->m_horz && m_vert == that->m_vert && m_style == that->m_style;
}

AcDbAttributeDefinition::AcDbAttributeDefinition(const AcGePoint3d& position, const ACHAR* text,
                                                 const ACHAR* tag, const ACHAR* prompt,
                                                 AcDbObjectId style)
    : AcDbText(position, text, style), m_tag(tag ? tag : L""), m_prompt(prompt ? prompt : L"") {}

ACHAR* AcDbAttributeDefinition::tag() const {
    return hostCopy(m_tag);
}

Acad::ErrorStatus AcDbAttributeDefinition::setTag(const ACHAR* tag) {
    return setWhenWritable(*this, m_tag, tag, validTag(tag));
}

ACHAR* AcDbAttributeDefinition::prompt() const {
    return hostCopy(m_prompt);
}

Acad::ErrorStatus AcDbAttributeDefinition::setPrompt(const ACHAR* prompt) {
    return setWhenWritable(*this, m_prompt, prompt, prompt != nullptr);
}

Acad::ErrorStatus AcDbAttributeDefinition::copyFrom(const AcRxObject* other) {
    const Acad::ErrorStatus es = AcDbText::copyFrom(other);
    if (es != Acad::eOk)
        return es;
    const auto* source = static_cast<const AcDbAttributeDefinition*>(other);
    m_tag = source->m_tag;
    m_prompt = source->m_prompt;
    return Acad::eOk;
}

bool AcDbAttributeDefinition::isEqualTo(const AcRxObject* other) const {
    if (!AcDbText::isEqualTo(other))
        return false;
    const auto* that = static_cast<const AcDbAttributeDefinition*>(other);
    return m_tag == that->m_tag && m_prompt == that->m_prompt;
}

AcDbAttribute::AcDbAttribute(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag,
                             AcDbObjectId style)
    : AcDbText(position, text, style), m_tag(tag ? tag : L"") {}

ACHAR* AcDbAttribute::tag() const {
    return hostCopy(m_tag);
}

Acad::ErrorStatus AcDbAttribute::setTag(const ACHAR* tag) {
    return setWhenWritable(*this, m_tag, tag, validTag(tag));
}

Acad::ErrorStatus AcDbAttribute::setInvisible(bool invisible) {
    return setWhenWritable(*this, m_invisible, invisible);
}

Acad::ErrorStatus AcDbAttribute::copyFrom(const AcRxObject* other) {
    const Acad::ErrorStatus es = AcDbText::copyFrom(other);
    if (es != Acad::eOk)
        return es;
    const auto* source = static_cast<const AcDbAttribute*>(other);
    m_tag = source->m_tag;
    m_invisible = source->m_invisible;
    return Acad::eOk;
}

bool AcDbAttribute::isEqualTo(const AcRxObject* other) const {
    if (!AcDbText::isEqualTo(other))
        return false;
    const auto* that = static_cast<const AcDbAttribute*>(other);
    return m_tag == that->m_tag && m_invisible == that->m_invisible;
}
