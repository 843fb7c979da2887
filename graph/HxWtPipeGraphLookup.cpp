// The id -> first position index of the graph's lookups (see the header).
#include "graph/HxWtPipeGraphLookup.h"

#include "HxDbWtPipeGraphVerify.h"

template <class T>
int HxWtIdPositionIndex<T>::Find(HxPDList<T>& list, AcDbObjectId id, T** found, bool literal) {
    if (literal)
        return Scan(list, id, found);
    if (Stale(list))
        Rebuild(list);
    int index = Lookup(id, found);
    if (index < 0 || (*found != nullptr && (*found)->*m_key == id))
        return index;
    // An element changed its id after it was indexed: index afresh.
    Rebuild(list);
    return Lookup(id, found);
}

template <class T> void HxWtIdPositionIndex<T>::Clear() {
    m_slots.clear();
    m_first.Clear();
    m_list = nullptr;
    m_revision = 0;
}

template <class T>
int HxWtIdPositionIndex<T>::Scan(HxPDList<T>& list, AcDbObjectId id, T** found) const {
    int index = 0;
    for (T** pos = list.FirstPos(); pos != nullptr; pos = list.NextPos(pos), ++index) {
        if (*pos != nullptr && (*pos)->*m_key == id) {
            *found = *pos;
            return index;
        }
    }
    *found = nullptr;
    return -1;
}

template <class T> bool HxWtIdPositionIndex<T>::Stale(HxPDList<T>& list) const {
    return &list != m_list || list.Revision() != m_revision;
}

template <class T> void HxWtIdPositionIndex<T>::Rebuild(HxPDList<T>& list) {
    Clear();
    m_slots.reserve(static_cast<size_t>(list.Count()));
    m_first.Reserve(static_cast<size_t>(list.Count()));
    int index = 0;
    for (T** pos = list.FirstPos(); pos != nullptr; pos = list.NextPos(pos), ++index) {
        m_slots.push_back(pos);
        if (*pos != nullptr)
            m_first.SetIfNone((*pos)->*m_key, index); // keeps the first position of an id
    }
    m_list = &list;
    m_revision = list.Revision();
}

template <class T> int HxWtIdPositionIndex<T>::Lookup(AcDbObjectId id, T** found) const {
    const int index = m_first.Get(id);
    *found = index < 0 ? nullptr : *m_slots[static_cast<size_t>(index)];
    return index;
}

template class HxWtIdPositionIndex<HxDbWtPipeNode>;
template class HxWtIdPositionIndex<HxDbWtPipeEdge>;

void HxWtSetPipeGraphLiteralLookup(HxDbWtPipeGraph& graph, bool literal) {
    HxWtPipeGraphLookup::Of(graph).literal = literal;
}

bool HxWtIsPipeGraphLiteralLookup(const HxDbWtPipeGraph& graph) {
    return HxWtPipeGraphLookup::Of(graph).literal;
}
