// HxDbWtPipe: the water pipe, with its values and its stored PipeFlag.
#include "HxWtDbObject.h"
#include "db.h"
#include "hxhost/WriteSetter.h"

#include <cmath>
#include <tuple>

using hxhost::setWhenWritable;

ACRX_DXF_DEFINE_MEMBERS(HxDbWtPipe, HxDbPipeEntity, AcDb::kDHL_CURRENT, 0, 0, HXDBWTPIPE,
                        HxWtDbObject)

HxDbWtPipe::HxDbWtPipe() = default;

HxDbWtPipe::HxDbWtPipe(const AcGePoint3d& start, const AcGePoint3d& end)
    : HxDbPipeEntity(start, end) {}

HxDbWtPipe::~HxDbWtPipe() = default;

HxDbWtPipe::PipeFlag HxDbWtPipe::GetPipeFlag() const {
    return static_cast<PipeFlag>(m_flag);
}

Acad::ErrorStatus HxDbWtPipe::SetPipeFlag(PipeFlag flag) {
    return setWhenWritable(*this, m_flag, flag);
}

double HxDbWtPipe::GetUpriverHeight() const {
    return m_upriverHeight;
}
double HxDbWtPipe::GetDownriverHeight() const {
    return m_downriverHeight;
}
double HxDbWtPipe::GetGradient() const {
    return m_gradient;
}
double HxDbWtPipe::GetDiameter() const {
    return m_diameter;
}
int HxDbWtPipe::GetPipeDirection() const {
    return m_direction;
}
const wchar_t* HxDbWtPipe::GetMaterial() const {
    return m_material.c_str();
}

double HxDbWtPipe::GetPipeLength() const {
    return GetStartPoint().distanceTo(GetEndPoint());
}

double HxDbWtPipe::GetPipeLength2d() const {
    const AcGePoint3d s = GetStartPoint();
    const AcGePoint3d e = GetEndPoint();
    return std::hypot(e.x - s.x, e.y - s.y);
}

Acad::ErrorStatus HxDbWtPipe::SetHeights(double upriver, double downriver) {
    return setWhenWritable(*this, std::tie(m_upriverHeight, m_downriverHeight),
                           std::tie(upriver, downriver));
}

Acad::ErrorStatus HxDbWtPipe::SetGradient(double gradient) {
    return setWhenWritable(*this, m_gradient, gradient);
}

Acad::ErrorStatus HxDbWtPipe::SetDiameter(double diameter) {
    return setWhenWritable(*this, m_diameter, diameter);
}

Acad::ErrorStatus HxDbWtPipe::SetPipeDirection(int direction) {
    return setWhenWritable(*this, m_direction, direction);
}

Acad::ErrorStatus HxDbWtPipe::SetMaterial(const wchar_t* material) {
    return setWhenWritable(*this, m_material, material ? material : L"");
}

Acad::ErrorStatus HxDbWtPipe::copyFrom(const AcRxObject* other) {
    const Acad::ErrorStatus es = HxDbPipeEntity::copyFrom(other);
    if (es != Acad::eOk)
        return es;
    const auto* source = static_cast<const HxDbWtPipe*>(other);
    m_upriverHeight = source->m_upriverHeight;
    m_downriverHeight = source->m_downriverHeight;
    m_gradient = source->m_gradient;
    m_diameter = source->m_diameter;
    m_direction = source->m_direction;
    m_material = source->m_material;
    m_flag = source->m_flag;
    return Acad::eOk;
}

bool HxDbWtPipe::isEqualTo(const AcRxObject* other) const {
    if (!HxDbPipeEntity::isEqualTo(other))
        return false;
    const auto* that = static_cast<const HxDbWtPipe*>(other);
    return m_upriverHeight == that->m_upriverHeight &&
           m_downriverHeight == that->m_downriverHeight && m_gradient == that->m_gradient &&
           m_diameter == that->m_diameter && m_direction == that->m_direction &&
           m_material == that->m_material && m_flag == that->m_flag;
}
