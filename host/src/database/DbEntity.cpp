// AcDbEntity: layer, colour, extents and explode defaults, highlighting.
#include "database/DbAccess.h"
#include "database/SymbolNames.h"
#include "acutads.h"
#include "db.h"
#include "dbapserv.h"
#include "hxhost/WriteSetter.h"

using hxhost::DbAccess;
using hxhost::setWhenWritable;

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbEntity, AcDbObject)

const AcDbFullSubentPath kNullSubent;

namespace {

const AcDbLayerTableRecord* liveLayer(AcDbObjectId id) {
    if (id.isErased())
        return nullptr;
    return AcDbLayerTableRecord::cast(DbAccess::objectOf(id));
}

} // namespace

AcDbEntity::AcDbEntity() = default;

ACHAR* AcDbEntity::layer() const {
    const AcDbLayerTableRecord* rec = AcDbLayerTableRecord::cast(DbAccess::objectOf(m_layerId));
    const std::wstring& name = rec ? DbAccess::name(*rec) : m_layerName;
    ACHAR* copy = nullptr;
    if (name.empty() || acutNewString(name.c_str(), copy) != RTNORM)
        return nullptr;
    return copy;
}

Acad::ErrorStatus AcDbEntity::setLayer(const ACHAR* name, bool) {
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (name == nullptr)
        return Acad::eInvalidInput;
    AcDbDatabase* db = database() ? database() : acdbHostApplicationServices()->workingDatabase();
    auto* table = db ? AcDbSymbolTable::cast(DbAccess::objectOf(db->layerTableId())) : nullptr;
    const AcDbObjectId id = table ? hxhost::findRecord(*table, name, false) : AcDbObjectId();
    if (id.isNull())
        return Acad::eKeyNotFound;
    return setLayer(id);
}

Acad::ErrorStatus AcDbEntity::setLayer(AcDbObjectId layer, bool) {
    if (!isWriteEnabled())
        return Acad::eNotOpenForWrite;
    const AcDbLayerTableRecord* rec = liveLayer(layer);
    if (rec == nullptr)
        return Acad::eInvalidInput;
    DbAccess::setLayer(*this, layer, DbAccess::name(*rec));
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setColorIndex(Adesk::UInt16 color, bool) {
    return setWhenWritable(*this, m_color, color, color <= 257);
}

Acad::ErrorStatus AcDbEntity::getGeomExtents(AcDbExtents&) const {
    return Acad::eInvalidExtents;
}

Acad::ErrorStatus AcDbEntity::explode(AcDbVoidPtrArray&) const {
    return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbEntity::highlight(const AcDbFullSubentPath&, bool) const {
    if (!isReadEnabled())
        return Acad::eNotOpenForRead;
    m_highlighted = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::unhighlight(const AcDbFullSubentPath&, bool) const {
    if (!isReadEnabled())
        return Acad::eNotOpenForRead;
    m_highlighted = false;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::copyFrom(const AcRxObject* other) {
    const Acad::ErrorStatus es = AcDbObject::copyFrom(other);
    if (es != Acad::eOk)
        return es;
    const auto* source = static_cast<const AcDbEntity*>(other);
    m_layerId = source->m_layerId;
    m_layerName = source->m_layerName;
    m_color = source->m_color;
    return Acad::eOk;
}

bool AcDbEntity::isEqualTo(const AcRxObject* other) const {
    if (!AcDbObject::isEqualTo(other))
        return false;
    const auto* that = static_cast<const AcDbEntity*>(other);
    return m_layerId == that->m_layerId && m_layerName == that->m_layerName &&
           m_color == that->m_color;
}
