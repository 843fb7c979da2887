// Helpers shared by the graph's operations (see the header).
#include "graph/PipeGraphRecords.h"

namespace HxWtPipeGraphRecords {

double UnitFactor() {
    return HxDbGetDrawUnit(nullptr) != 0 ? 0.001 : 1.0;
}

HxDbWtPipeEdge* MakeEdge(const HxDbWtPipe* pipe) {
    auto* edge = new HxDbWtPipeEdge;
    edge->pipeId = pipe->objectId();
    edge->upriverHeight = pipe->GetUpriverHeight() / UnitFactor() / 1000.0;
    edge->downriverHeight = pipe->GetDownriverHeight() / UnitFactor() / 1000.0;
    edge->gradient = pipe->GetGradient();
    edge->diameter = static_cast<int>(pipe->GetDiameter() / UnitFactor());
    const wchar_t* material = pipe->GetMaterial();
    edge->material = material != nullptr ? material : L"";
    edge->direction = pipe->GetPipeDirection();
    edge->length = pipe->GetPipeLength() / UnitFactor();
    edge->length2d = pipe->GetPipeLength2d() / UnitFactor();
    return edge;
}

namespace {

const wchar_t* Text(const wchar_t* text) {
    return text != nullptr ? text : L"";
}

HxDbWtPipeNode* MakeWellNode(const HxDbWtWell* well) {
    auto* node = new HxDbWtPipeNode;
    node->entityId = well->objectId();
    node->location = well->GetWellLocation();
    node->location.z /= UnitFactor();
    node->prefix = Text(well->GetWellPrefix());
    node->wellIndex = Text(well->GetWellIndex());
    node->wellDeepness = well->GetWellDeepness() / UnitFactor();
    node->wellDiameter = well->GetWellDiameter() / UnitFactor();
    node->kind = 1;
    return node;
}

HxDbWtPipeNode* MakePoolNode(const HxDbWtPool* pool) {
    auto* node = new HxDbWtPipeNode;
    node->entityId = pool->objectId();
    node->location = pool->GetPoolLocation();
    node->location.z /= UnitFactor();
    node->prefix = Text(pool->GetPoolName());
    node->poolLength = pool->GetPoolLength() / UnitFactor();
    node->poolWidth = pool->GetPoolWidth() / UnitFactor();
    node->poolDeepness = pool->GetPoolDeepness() / UnitFactor();
    node->kind = 2;
    return node;
}

} // namespace

HxDbWtPipeNode* MakeNode(const HxDbEntity* entity) {
    if (IsExactly(entity, HxDbWtWell::desc()))
        return MakeWellNode(static_cast<const HxDbWtWell*>(entity));
    if (IsExactly(entity, HxDbWtPool::desc()))
        return MakePoolNode(static_cast<const HxDbWtPool*>(entity));
    return nullptr;
}

bool IsNetworkPipe(const HxDbEntity* entity, bool withOutNode) {
    if (!IsExactly(entity, HxDbWtPipe::desc()))
        return false;
    const auto* pipe = static_cast<const HxDbWtPipe*>(entity);
    if (pipe->GetPipeFlag() != HxDbWtPipe::kNetworkPipe)
        return false;
    if (!withOutNode)
        return true;
    HxDbObjectIdList wells;
    pipe->GetConnectEnt(wells, HxDbWtWell::desc());
    return wells.Count() >= 2;
}

bool IsExactly(const HxDbEntity* entity, AcRxClass* cls) {
    return entity != nullptr && entity->isA() == cls;
}

bool InsertNew(HxIdTable& set, AcDbObjectId id) {
    return set.SetIfNone(id, 1);
}

HxDbObjectIdList ConnectedIds(const HxDbPipeGraphEntBase* record) {
    HxDbObjectIdList ids;
    if (record != nullptr)
        record->GetConnectEnt(ids);
    return ids;
}

const std::vector<HxDbPipeGraphEnt*>& RecordSnapshot::Of(HxPDList<HxDbPipeGraphEnt>& list) {
    if (m_stamp.Matches(list) && m_records.size() == static_cast<std::size_t>(list.Count()))
        return m_records;
    // The list is walked from both ends at once: two independent chains of
    // links to follow instead of one, each link a likely cache miss.
    const std::size_t n = static_cast<std::size_t>(list.Count());
    m_records.assign(n, nullptr);
    HxDbPipeGraphEnt** front = list.FirstPos();
    HxDbPipeGraphEnt** back = list.LastPos();
    for (std::size_t i = 0, j = n; i < j;) {
        m_records[i++] = *front;
        front = list.NextPos(front);
        if (i == j)
            break;
        m_records[--j] = *back;
        back = list.PrevPos(back);
    }
    m_stamp.Take(list);
    return m_records;
}

void RecordSnapshot::Clear() {
    std::vector<HxDbPipeGraphEnt*>().swap(m_records);
    m_stamp.Clear();
}

void LoadedRecords::Start(HxDbWtPipeGraph& graph) {
    Clear();
    m_recording = graph.nodes.Count() == 0 && graph.edges.Count() == 0;
}

void LoadedRecords::Finish(HxDbWtPipeGraph& graph, const HxPDList<HxDbPipeGraphEnt>& records) {
    m_done = m_recording && m_nodes.size() == static_cast<std::size_t>(graph.nodes.Count()) &&
             m_edges.size() == static_cast<std::size_t>(graph.edges.Count());
    m_recording = false;
    m_records.Take(records);
    m_nodeList.Take(graph.nodes);
    m_edgeList.Take(graph.edges);
}

bool LoadedRecords::Current(HxDbWtPipeGraph& graph,
                            const HxPDList<HxDbPipeGraphEnt>& records) const {
    return m_done && m_records.Matches(records) && m_nodeList.Matches(graph.nodes) &&
           m_edgeList.Matches(graph.edges);
}

void LoadedRecords::Clear() {
    std::vector<HxDbPipeGraphEnt*>().swap(m_nodes);
    std::vector<HxDbPipeGraphEnt*>().swap(m_edges);
    m_recording = false;
    m_done = false;
    m_records.Clear();
    m_nodeList.Clear();
    m_edgeList.Clear();
}

} // namespace HxWtPipeGraphRecords
