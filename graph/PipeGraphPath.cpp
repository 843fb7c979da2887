// Path queries, status messages and highlighting of the graph's pipes.
#include "HxDbWtPipeGraph.h"

int HxDbWtPipeGraph::FindGraphPipePath(AcDbObjectId start, AcDbObjectId end, HxDList<int>& result) {
    FindPipePath(start, end);
    HxDbPipeGraphPath** first = m_pathList.FirstPos();
    if (first == nullptr || *first == nullptr)
        return 0;
    HxDbObjectIdList pipes;
    (*first)->GetPathPipeId(pipes);
    for (AcDbObjectId* id = pipes.FirstPos(); id != nullptr; id = pipes.NextPos(id))
        result.Append(FindEdgeIndex(*id));
    return 1;
}

int HxDbWtPipeGraph::GetPipePathNode(HxDbPipeGraphPath& path, HxDList<int>& result, int direction) {
    HxDbObjectIdList pipes;
    path.GetPathPipeId(pipes);
    bool firstId = true;
    for (AcDbObjectId* id = pipes.FirstPos(); id != nullptr;
         id = pipes.NextPos(id), firstId = false) {
        HxDbWtPipeEdge* edge = FindEdge(*id);
        if (edge == nullptr)
            continue;
        if (firstId) {
            result.Append(direction != 0 ? edge->startNode : edge->endNode);
            if (*result.LastPos() == -1)
                return 0;
        }
        result.Append(direction != 0 ? edge->endNode : edge->startNode);
        if (*result.LastPos() == -1)
            return 0;
    }
    return 1;
}

void HxDbWtPipeGraph::PrintErrorCode(int code) {
    static const wchar_t* const kMessages[] = {
        L"\n参数类型错误.",     L"\n打开实体失败.",     L"\n管网类型与参数不匹配.",
        L"\n管网过滤失败.",     L"\n重力流管网有环形.", L"\n建立管网关联失败.",
        L"\n无法找到节点信息.",
    };
    if (code < kGraphBadParam || code > kGraphNodeNotFound)
        return;
    acutPrintf(kMessages[code - 1]);
}

void HxDbWtPipeGraph::Highlight() {
    SetHighlight(true);
}

void HxDbWtPipeGraph::UnHighlight() {
    SetHighlight(false);
}

void HxDbWtPipeGraph::SetHighlight(bool on) {
    AcApDocument* document = acDocManagerPtr()->curDocument();
    if (document == nullptr)
        return;
    AcTransactionManager* manager = document->transactionManager();
    if (manager == nullptr || manager->startTransaction() == nullptr)
        return;
    for (HxDbWtPipeEdge** pos = edges.FirstPos(); pos != nullptr; pos = edges.NextPos(pos)) {
        if (*pos == nullptr)
            continue;
        AcDbObject* object = nullptr;
        if (manager->getObject(object, (*pos)->pipeId, AcDb::kForWrite) != Acad::eOk)
            continue;
        auto* entity = AcDbEntity::cast(object);
        if (entity == nullptr)
            continue;
        if (on)
            entity->highlight();
        else
            entity->unhighlight();
    }
    acDocManagerPtr()->curDocument()->transactionManager()->endTransaction();
}
