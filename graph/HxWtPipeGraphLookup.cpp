// The id -> first position index of the graph's lookups (see the header).
#include "graph/HxWtPipeGraphLookup.h"

#include "HxDbWtPipeGraphVerify.h"

template <class T>
int HxWtIdPositionIndex<T>::Find(HxPDList<T>& list, AcDbObjectId id, T** found, bool literal,
                                 int hint) {
    if (literal)
        return Scan(list, id, found);
    if (Stale(list))
        Rebuild(list);
    if (HintHolds(id, hint, found))
        return hint;
    FillMap();
    if (!MayHold(id)) {
        *found = nullptr;
        return -1;
    }
    int index = Lookup(id, found);
    if (index < 0 || (*found != nullptr && (*found)->*m_key == id))
        return index;
    // An element changed its id after it was indexed: index afresh.
    Rebuild(list);
    FillMap();
    return Lookup(id, found);
}

template <class T> void HxWtIdPositionIndex<T>::Refresh(HxPDList<T>& list) {
    if (Stale(list))
        Rebuild(list);
}

template <class T> void HxWtIdPositionIndex<T>::Appended(HxPDList<T>& list) {
    if (&list != m_list || list.Revision() != m_revision + 1 ||
        static_cast<std::size_t>(list.Count()) != m_slots.size() + 1)
        return;
    T** last = list.LastPos();
    T** before = list.PrevPos(last);
    if (before != (m_slots.empty() ? nullptr : m_slots.back().pos))
        return; // one insertion, but not at the end
    Mirror(last);
    m_revision = list.Revision();
}

template <class T> void HxWtIdPositionIndex<T>::Clear() {
    m_slots.clear();
    m_mapped = 0;
    m_unique = true;
    m_first.Clear();
    m_filter.clear();
    m_filterShift = 64;
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
    m_slots.reserve(static_cast<std::size_t>(list.Count()));
    for (T** pos = list.FirstPos(); pos != nullptr; pos = list.NextPos(pos))
        Mirror(pos);
    m_list = &list;
    m_revision = list.Revision();
}

template <class T> void HxWtIdPositionIndex<T>::Mirror(T** pos) {
    if (*pos == nullptr)
        m_slots.push_back({pos, AcDbObjectId(), false});
    else
        m_slots.push_back({pos, (*pos)->*m_key, true});
}

// Maps the mirrored elements not yet mapped, keeping each id's first
// position, and sets their filter bits (the filter is made afresh, with eight
// bits per element or more, when it has grown too small).
template <class T> void HxWtIdPositionIndex<T>::FillMap() {
    if (m_mapped == m_slots.size())
        return;
    m_first.Reserve(m_slots.size());
    std::size_t from = m_mapped;
    if (m_filter.size() * 64 < 8 * m_slots.size()) {
        unsigned log2 = 9;
        while ((std::size_t(1) << log2) < 8 * m_slots.size())
            ++log2;
        m_filter.assign((std::size_t(1) << log2) / 64, 0);
        m_filterShift = 64 - log2;
        from = 0;
    }
    for (std::size_t at = from; at < m_slots.size(); ++at) {
        const Slot& slot = m_slots[at];
        if (!slot.present)
            continue;
        const std::size_t bit = FilterBit(slot.id);
        m_filter[bit / 64] |= 1ull << (bit % 64);
        if (at >= m_mapped && !m_first.SetIfNone(slot.id, static_cast<int>(at)))
            m_unique = false;
    }
    m_mapped = m_slots.size();
}

template <class T> std::size_t HxWtIdPositionIndex<T>::FilterBit(AcDbObjectId id) const {
    const unsigned long long h =
        static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(id.stub())) *
        0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(h >> m_filterShift);
}

template <class T> bool HxWtIdPositionIndex<T>::MayHold(AcDbObjectId id) const {
    if (m_filter.empty())
        return m_mapped > 0;
    const std::size_t bit = FilterBit(id);
    return (m_filter[bit / 64] >> (bit % 64) & 1) != 0;
}

// True when position hint answers a lookup of id exactly as the map would:
// ids were unique when mirrored, the element at hint was mirrored with id and
// still carries it. *found receives the element then.
template <class T>
bool HxWtIdPositionIndex<T>::HintHolds(AcDbObjectId id, int hint, T** found) const {
    if (hint < 0 || static_cast<std::size_t>(hint) >= m_mapped || !m_unique || id.isNull())
        return false;
    const Slot& slot = m_slots[static_cast<std::size_t>(hint)];
    if (!slot.present || slot.id != id)
        return false;
    T* element = *slot.pos;
    if (element == nullptr || element->*m_key != id)
        return false;
    *found = element;
    return true;
}

template <class T> int HxWtIdPositionIndex<T>::Lookup(AcDbObjectId id, T** found) const {
    const int index = m_first.Get(id);
    *found = index < 0 ? nullptr : *m_slots[static_cast<std::size_t>(index)].pos;
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
