// The records of the generic pipe graph: entity, equipment, node, edge, path.
#include "HxMepDbObject.h"

namespace {

// Appends every id of `from` to `out`, in order, without moving from's cursor.
void appendIds(const HxDbObjectIdList& from, HxDbObjectIdList& out) {
    auto& list = const_cast<HxDbObjectIdList&>(from);
    for (AcDbObjectId* pos = list.FirstPos(); pos != nullptr; pos = list.NextPos(pos))
        out.Append(*pos);
}

} // namespace

HxDbPipeGraphEntBase::~HxDbPipeGraphEntBase() = default;

void HxDbPipeGraphEntBase::GetConnectEnt(HxDbObjectIdList& out) const {
    appendIds(m_connects, out);
}

HxDbPipeGraphEnt::~HxDbPipeGraphEnt() = default;
HxDbPipeGraphEquip::~HxDbPipeGraphEquip() = default;
HxDbPipeGraphNode::~HxDbPipeGraphNode() = default;
HxDbPipeGraphEdge::~HxDbPipeGraphEdge() = default;
HxDbPipeGraphPath::~HxDbPipeGraphPath() = default;

void HxDbPipeGraphPath::GetPathPipeId(HxDbObjectIdList& out) const {
    appendIds(m_pipes, out);
}
