// HxDbPipeEntity: the generic pipe (two end points) and what its ends meet.
#include "HxMepDbObject.h"

#include "ModelSpace.h"
#include "NetEntity.h"
#include "NetworkIndex.h"
#include "db.h"
#include "hxhost/WriteSetter.h"

#include <algorithm>
#include <tuple>
#include <vector>

using hxhost::setWhenWritable;

ACRX_DXF_DEFINE_MEMBERS(HxDbPipeEntity, HxDbEntity, AcDb::kDHL_CURRENT, 0, 0, HXDBPIPEENTITY,
                        HxMepDbObject)

HxDbPipeEntity::HxDbPipeEntity() = default;

HxDbPipeEntity::HxDbPipeEntity(const AcGePoint3d& start, const AcGePoint3d& end)
    : m_start(start), m_end(end) {}

HxDbPipeEntity::~HxDbPipeEntity() = default;

AcGePoint3d HxDbPipeEntity::GetStartPoint() const {
    return m_start;
}

AcGePoint3d HxDbPipeEntity::GetEndPoint() const {
    return m_end;
}

Acad::ErrorStatus HxDbPipeEntity::SetPoints(const AcGePoint3d& start, const AcGePoint3d& end) {
    return setWhenWritable(*this, std::tie(m_start, m_end), std::tie(start, end));
}

void HxDbPipeEntity::GetConnectEnt(HxDbObjectIdList& out, const AcRxClass* cls) const {
    // A pipe whose geometry may be changing (open for write) is answered by
    // a scan; otherwise the drawing's cached network index answers.
    if (database() != nullptr && !isWriteEnabled()) {
        const auto net = hxpeers::NetworkIndex::current(database());
        const int pos = net->find(objectId());
        if (pos >= 0) {
            for (const int* p = net->first(pos); p != net->last(pos); ++p) {
                const hxpeers::NetEntity& other = net->at(*p);
                if (cls == nullptr || (other.cls != nullptr && other.cls->isDerivedFrom(cls)))
                    out.Append(other.id);
            }
            return;
        }
    }
    const AcDbObjectId self = objectId();
    std::vector<AcDbObjectId> atStart, atEnd;
    // One pass over the drawing: each entity is tested against both ends.
    hxpeers::forEachModelSpaceEntity(
        database(), HxDbEntity::desc(), [&](const AcDbEntity& ent, int) {
            if (ent.objectId() == self || (cls != nullptr && !ent.isKindOf(cls)))
                return;
            const hxpeers::NetEntity other = hxpeers::describe(static_cast<const HxDbEntity&>(ent));
            if (hxpeers::meetsPipeEnd(other, m_start))
                atStart.push_back(other.id);
            if (hxpeers::meetsPipeEnd(other, m_end))
                atEnd.push_back(other.id);
        });
    for (const AcDbObjectId& id : atStart)
        out.Append(id);
    for (const AcDbObjectId& id : atEnd) {
        if (std::find(atStart.begin(), atStart.end(), id) == atStart.end())
            out.Append(id);
    }
}

Acad::ErrorStatus HxDbPipeEntity::getGeomExtents(AcDbExtents& extents) const {
    AcDbExtents box;
    box.addPoint(m_start);
    box.addPoint(m_end);
    extents = box;
    return Acad::eOk;
}

Acad::ErrorStatus HxDbPipeEntity::copyFrom(const AcRxObject* other) {
    const Acad::ErrorStatus es = HxDbEntity::copyFrom(other);
    if (es != Acad::eOk)
        return es;
    const auto* source = static_cast<const HxDbPipeEntity*>(other);
    m_start = source->m_start;
    m_end = source->m_end;
    return Acad::eOk;
}

bool HxDbPipeEntity::isEqualTo(const AcRxObject* other) const {
    if (!HxDbEntity::isEqualTo(other))
        return false;
    const auto* that = static_cast<const HxDbPipeEntity*>(other);
    return m_start == that->m_start && m_end == that->m_end;
}
