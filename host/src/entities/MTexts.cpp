// AcDbMText: contents, layout values, explosion into single-line texts.
#include "entities/MTextRuns.h"
#include "acutads.h"
#include "db.h"
#include "dbmtext.h"
#include "hxhost/WriteSetter.h"

#include <algorithm>
#include <cmath>

using hxhost::setWhenWritable;

ACRX_DXF_DEFINE_MEMBERS(AcDbMText, AcDbEntity, AcDb::kDHL_CURRENT, 0, 0, MTEXT, ACAD)

namespace {

constexpr double kCharWidth = 0.6;
constexpr double kLineSpacing = 5.0 / 3.0;

} // namespace

Acad::ErrorStatus AcDbMText::setLocation(const AcGePoint3d& pt) {
    return setWhenWritable(*this, m_location, pt);
}

ACHAR* AcDbMText::contents() const {
    ACHAR* copy = nullptr;
    return acutNewString(m_contents.c_str(), copy) == RTNORM ? copy : nullptr;
}

Acad::ErrorStatus AcDbMText::setContents(const ACHAR* text) {
    return setWhenWritable(*this, m_contents, text, text != nullptr);
}

std::wstring AcDbMText::plainText() const {
    std::wstring plain;
    int line = 0;
    for (const hxhost::MTextRun& run : hxhost::splitMText(m_contents, m_height)) {
        for (; line < run.line; ++line)
            plain += L'\n';
        plain += run.text;
    }
    return plain;
}

Acad::ErrorStatus AcDbMText::setTextHeight(double height) {
    return setWhenWritable(*this, m_height, height, height > 0);
}

Acad::ErrorStatus AcDbMText::setWidth(double width) {
    // Written as "not below zero" so that a NaN width is taken, as ever.
    return setWhenWritable(*this, m_width, width, !(width < 0));
}

Acad::ErrorStatus AcDbMText::setRotation(double rotation) {
    return setWhenWritable(*this, m_rotation, rotation);
}

Acad::ErrorStatus AcDbMText::setAttachment(AttachmentPoint attachment) {
    return setWhenWritable(*this, m_attachment, attachment,
                           attachment >= kTopLeft && attachment <= kBottomRight);
}

Acad::ErrorStatus AcDbMText::explode(AcDbVoidPtrArray& entitySet) const {
    const AcGeVector3d along(std::cos(m_rotation), std::sin(m_rotation), 0);
    const AcGeVector3d down(along.y, -along.x, 0);
    int line = -1;
    double advance = 0;
    for (const hxhost::MTextRun& run : hxhost::splitMText(m_contents, m_height)) {
        if (run.line != line) {
            line = run.line;
            advance = 0;
        }
        const double drop = m_height + kLineSpacing * m_height * line;
        const AcGePoint3d at = m_location + down * drop + along * advance;
        auto* piece =
            new AcDbText(at, run.text.c_str(), AcDbObjectId::kNull, run.height, m_rotation);
        if (!layerId().isNull())
            piece->setLayer(layerId());
        piece->setColorIndex(colorIndex());
        entitySet.append(piece);
        advance += kCharWidth * run.height * static_cast<double>(run.text.size());
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::getGeomExtents(AcDbExtents& extents) const {
    const std::wstring plain = plainText();
    std::size_t longest = 0;
    std::size_t lines = 1;
    std::size_t current = 0;
    for (wchar_t c : plain) {
        current = c == L'\n' ? 0 : current + 1;
        lines += c == L'\n' ? 1 : 0;
        longest = std::max(longest, current);
    }
    const double w = std::max(m_width, kCharWidth * m_height * static_cast<double>(longest));
    const double h = m_height + kLineSpacing * m_height * static_cast<double>(lines - 1);
    const int column = (m_attachment - 1) % 3; // 0 left, 1 centre, 2 right
    const int row = (m_attachment - 1) / 3;    // 0 top, 1 middle, 2 bottom
    const AcGeVector3d along(std::cos(m_rotation), std::sin(m_rotation), 0);
    const AcGeVector3d up(-along.y, along.x, 0);
    const AcGePoint3d topLeft = m_location - along * (w * column / 2) + up * (h * row / 2);
    AcDbExtents box;
    box.addPoint(topLeft);
    box.addPoint(topLeft + along * w);
    box.addPoint(topLeft - up * h);
    box.addPoint(topLeft + along * w - up * h);
    extents = box;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::copyFrom(const AcRxObject* other) {
    const Acad::ErrorStatus es = AcDbEntity::copyFrom(other);
    if (es != Acad::eOk)
        return es;
    const auto* source = static_cast<const AcDbMText*>(other);
    m_location = source->m_location;
    m_contents = source->m_contents;
    m_height = source->m_height;
    m_width = source->m_width;
    m_rotation = source->m_rotation;
    m_attachment = source->m_attachment;
    return Acad::eOk;
}

bool AcDbMText::isEqualTo(const AcRxObject* other) const {
    if (!AcDbEntity::isEqualTo(other))
        return false;
    const auto* that = static_cast<const AcDbMText*>(other);
    return m_location == that->m_location && m_contents == that->m_contents &&
           m_height == that->m_height && m_width == that->m_width &&
           m_rotation == that->m_rotation && m_attachment == that->m_attachment;
}
