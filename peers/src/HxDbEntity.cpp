// HxDbEntity: the base custom entity of the product (fields, write checks).
#include "HxAecDbObject.h"

ACRX_NO_CONS_DEFINE_MEMBERS(HxDbEntity, AcDbEntity)

HxDbEntity::HxDbEntity() = default;

HxDbEntity::~HxDbEntity() = default;

HxDbFieldGroup& HxDbEntity::Fields() {
    return m_fields;
}

const HxDbFieldGroup& HxDbEntity::Fields() const {
    return m_fields;
}

Acad::ErrorStatus HxDbEntity::CheckWrite() const {
    return isWriteEnabled() ? Acad::eOk : Acad::eNotOpenForWrite;
}

Acad::ErrorStatus HxDbEntity::copyFrom(const AcRxObject* other) {
    const Acad::ErrorStatus es = AcDbEntity::copyFrom(other);
    if (es != Acad::eOk)
        return es;
    m_fields = static_cast<const HxDbEntity*>(other)->m_fields;
    return Acad::eOk;
}

bool HxDbEntity::isEqualTo(const AcRxObject* other) const {
    return AcDbEntity::isEqualTo(other) &&
           m_fields == static_cast<const HxDbEntity*>(other)->m_fields;
}
